#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ErrorText.h"
#include "support/HexBytes.h"
#include "support/TempFolder.h"
#include "text/Error.h"
#include "wordlists/TextWordList.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct LinesCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

class ReadTextLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(ReadTextLinesTest, SplitsTheFile) {
  testing::TempFolder folder;
  EXPECT_EQ(ReadTextLines(folder.Write("list.txt", GetParam().bytes)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadTextLinesTest,
    ::testing::Values(LinesCase{"CrLfCrLf", "a\r\n\r\nb", {"a", "", "b"}},
                      LinesCase{"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
                      LinesCase{"FinalBreakAddsNoLine", "a\r\n", {"a"}},
                      LinesCase{"EmptyFile", "", {}},
                      LinesCase{"NulEndsTheText", std::string("a\nb\0c\nd", 7), {"a", "b"}},
                      LinesCase{"MarkStaysAsBytes",
                                "\xEF\xBB\xBF"
                                "a\rb",
                                {"\xEF\xBB\xBF"
                                 "a",
                                 "b"}},
                      LinesCase{"Cp936Untouched", "\xD6\xD0 \r\n", {"\xD6\xD0 "}},
                      LinesCase{"Windows1252Converted",
                                "caf\xE9\r\n\x93quoted\x94\r\n",
                                {"caf\xA8\xA6", "\xA1\xB0quoted\xA1\xB1"}}),
    [](const auto& info) { return info.param.name; });

TEST(ReadTextLinesTest, ReportsAMissingFile) {
  testing::TempFolder folder;
  const std::string file = folder / "none.txt";
  EXPECT_EQ(testing::ErrorText([&file] { ReadTextLines(file); }),
            "Cannot open file \"" + file + "\". No such file or directory");
  EXPECT_EQ(testing::ErrorText([&folder] { ReadMarkedText(folder.path().string()); }),
            "Cannot open file \"" + folder.path().string() + "\". Is a directory");
}

struct MarkCase {
  const char* name;
  std::string bytes;
  std::u16string text;
};

class DecodeMarkedTextTest : public ::testing::TestWithParam<MarkCase> {};

TEST_P(DecodeMarkedTextTest, Decodes) {
  EXPECT_EQ(DecodeMarkedText(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DecodeMarkedTextTest,
    ::testing::Values(
        MarkCase{"Utf16Le", testing::Hex("FF FE 61 00 0D 00 2D 4E"), u"a\r中"},
        MarkCase{"Utf16Be", testing::Hex("FE FF 00 61 4E 2D"), u"a中"},
        MarkCase{"Utf16OddByteDropped", testing::Hex("FF FE 61 00 62"), u"a"},
        MarkCase{"Utf16ShortRemainderIsEmpty", testing::Hex("FF FE 61"), u""},
        MarkCase{"Utf16MarkOnly", testing::Hex("FE FF"), u""},
        MarkCase{"Utf8Mark", testing::Hex("EF BB BF 61 0D 0A E4 B8 AD"), u"a\r\n中"},
        MarkCase{"Cp936", testing::Hex("D6 D0 CE C4 0D 0A 61"), u"中文\r\na"},
        MarkCase{"Windows1252", testing::Hex("93 57 94 0D 0A 63 61 66 E9"), u"“W”\r\ncafé"},
        MarkCase{"Utf8WithoutMark", testing::Hex("E4 B8 AD E6 96 87 0A 61"), u"中文\na"},
        MarkCase{"Ascii", "a\n\rb", u"a\n\rb"}, MarkCase{"Empty", "", u""}),
    [](const auto& info) { return info.param.name; });

TEST(WriteTextLinesTest, EndsEveryLineWithCrLfAndReplacesTheFile) {
  testing::TempFolder folder;
  const std::string file = folder.Write("list.txt", "old content that is longer");
  WriteTextLines(file, {"a", "", "\xD6\xD0 "});
  EXPECT_EQ(testing::ReadBytes(file), "a\r\n\r\n\xD6\xD0 \r\n");
  WriteTextLines(file, {});
  EXPECT_EQ(testing::ReadBytes(file), "");
  EXPECT_THAT(folder.Names(), ElementsAre("list.txt"));
  EXPECT_THAT(ReadTextLines(file), IsEmpty());
}

}  // namespace
}  // namespace tarn
