#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ErrorText.h"
#include "support/HexBytes.h"
#include "support/TempFolder.h"
#include "text/Error.h"
#include "wordlists/DatEncoder.h"
#include "wordlists/DatFile.h"
#include "wordlists/DatParser.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;
using testing::Hex;
using ::testing::IsEmpty;
using testing::ToHex;

const std::string kApple = "02 02 01 06 05 61 70 70 6C 65 06 04 62 6F 6F 6B 00";
const std::string kZhongWenCp936 = "\xD6\xD0\xCE\xC4";  // U+4E2D U+6587

std::vector<std::u16string> Parse(const std::string& bytes) {
  std::vector<std::u16string> entries;
  ParseDat(bytes, [&entries](std::u16string&& entry) { entries.push_back(entry); });
  return entries;
}

// The error message of parsing `bytes`, or "" when it parses.
std::string ParseError(const std::string& bytes) {
  return testing::ErrorText([&bytes] { Parse(bytes); });
}

struct EncodeCase {
  const char* name;
  std::vector<std::string> lines;
  std::string hex;
};

class DatEncodeTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(DatEncodeTest, WritesExactBytes) {
  EXPECT_EQ(ToHex(EncodeDat(GetParam().lines)), GetParam().hex);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DatEncodeTest,
    ::testing::Values(
        EncodeCase{"AppleBook", {"apple", "book"}, kApple}, EncodeCase{"Empty", {}, "02 00 01 00"},
        EncodeCase{"BlankLineIsEmptyWideEntry", {" \t "}, "02 01 01 12 00 00 00 00 00"},
        EncodeCase{"Trimmed", {"\t apple \r"}, "02 01 01 06 05 61 70 70 6C 65 00"},
        EncodeCase{"ChineseAsUtf16", {kZhongWenCp936}, "02 01 01 12 02 00 00 00 2D 4E 87 65 00"},
        EncodeCase{"MixedAsUtf8", {"ab\xD6\xD0"}, "02 01 01 14 05 00 00 00 61 62 E4 B8 AD 00"}),
    [](const auto& info) { return info.param.name; });

TEST(DatEncodeTest, LengthTagDependsOn255Bytes) {
  EXPECT_EQ(EncodeDat({std::string(255, 'a')}).substr(0, 5), Hex("02 01 01 06 FF"));
  EXPECT_EQ(EncodeDat({std::string(256, 'a')}).substr(0, 8), Hex("02 01 01 0C 00 01 00 00"));
  EXPECT_EQ(EncodeDat({std::string(256, 'a')}).size(), 3 + 5 + 256 + 1);
}

TEST(DatEncodeTest, CountTagDependsOnRange) {
  const struct {
    size_t count;
    std::string header;
  } cases[] = {{127, "02 7F 01"},
               {128, "03 80 00 01"},
               {32767, "03 FF 7F 01"},
               {32768, "04 00 80 00 00 01"}};
  for (const auto& c : cases) {
    const std::string bytes = EncodeDat(std::vector<std::string>(c.count, "a"));
    const std::string header = Hex(c.header);
    EXPECT_EQ(ToHex(bytes.substr(0, header.size())), c.header) << c.count;
    EXPECT_EQ(Parse(bytes).size(), c.count);
  }
}

TEST(DatEncodeTest, EntriesOutsideTheCodePageSurviveARoundTrip) {
  const std::vector<std::u16string> entries = {u"", u"\U0001F600", u"caf\u00E9", u"\xD800x",
                                               u"\u00E9"};
  EXPECT_EQ(Parse(EncodeDatEntries(entries)), entries);
}

TEST(DatParseTest, ReadsEveryStringTag) {
  EXPECT_THAT(Parse(Hex(kApple)), ElementsAre(u"apple", u"book"));
  EXPECT_THAT(Parse(Hex("02 04 01 12 02 00 00 00 2D 4E 87 65 14 05 00 00 00 61 62 E4 B8 AD "
                        "06 04 D6 D0 CE C4 0C 02 00 00 00 61 62 00")),
              ElementsAre(u"中文", u"ab中", u"中文", u"ab"));
}

TEST(DatParseTest, IgnoresWhatFollowsTheEndTag) {
  EXPECT_THAT(Parse(Hex(kApple + " 07 FF 00")), ElementsAre(u"apple", u"book"));
}

TEST(DatParseTest, ZeroOrNegativeCountYieldsNothingButNeedsTheEndTag) {
  EXPECT_THAT(Parse(Hex("02 00 01 00")), IsEmpty());
  EXPECT_THAT(Parse(Hex("02 FF 01 00")), IsEmpty());
  EXPECT_THAT(Parse(Hex("04 00 00 00 80 01 00")), IsEmpty());
  EXPECT_EQ(ParseError(Hex("02 FF 01 06 01 61 00")), "Invalid property value");
}

TEST(DatParseTest, MalformedUtf8GivesAnEmptyEntry) {
  EXPECT_THAT(Parse(Hex("02 03 01 14 02 00 00 00 C3 28 14 04 00 00 00 F0 9F 98 80 "
                        "14 02 00 00 00 C3 A9 00")),
              ElementsAre(u"", u"", u"é"));
}

struct ErrorCase {
  const char* name;
  std::string hex;
  const char* message;
};

class DatParseErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(DatParseErrorTest, Fails) { EXPECT_EQ(ParseError(Hex(GetParam().hex)), GetParam().message); }

constexpr const char* kInvalid = "Invalid property value";
constexpr const char* kReadError = "Stream read error";

INSTANTIATE_TEST_SUITE_P(
    Bytes, DatParseErrorTest,
    ::testing::Values(
        ErrorCase{"EmptyFile", "", kReadError}, ErrorCase{"BadCountTag", "06 01 01 00", kInvalid},
        ErrorCase{"CountCutOff", "03 80", kReadError},
        ErrorCase{"NoListStart", "02 00", kReadError},
        ErrorCase{"BadListStart", "02 00 02 00", kInvalid},
        ErrorCase{"CutAfterListStart", "02 01 01", kReadError},
        ErrorCase{"CountLargerThanEntries", "02 03 01 06 01 61 06 01 62 00", kInvalid},
        ErrorCase{"CountSmallerThanEntries", "02 01 01 06 01 61 06 01 62 00", kInvalid},
        ErrorCase{"BadEntryTag", "02 01 01 07 01 61 00", kInvalid},
        ErrorCase{"NoEndTag", "02 00 01", kReadError},
        ErrorCase{"ShortPayload", "02 01 01 06 05 61 62", kReadError},
        ErrorCase{"NegativeLength", "02 01 01 0C FF FF FF FF 00", kReadError},
        ErrorCase{"HugeLength", "02 01 01 14 FF FF FF 7F 00", kReadError},
        ErrorCase{"HugeUnitCount", "02 01 01 12 00 00 00 40 00", kReadError},
        ErrorCase{"LengthCutOff", "02 01 01 0C 01 00", kReadError}),
    [](const auto& info) { return info.param.name; });

TEST(DatParseTest, AHugeCountFailsAtTheFirstMissingEntryAfterHandingOverTheOthers) {
  // 12 bytes that claim 2,000,000,000 entries.
  std::vector<std::u16string> entries;
  EXPECT_THROW(ParseDat(Hex("04 00 94 35 77 01 06 01 61 06 01 62"),
                        [&entries](std::u16string&& entry) { entries.push_back(entry); }),
               Error);
  EXPECT_THAT(entries, ElementsAre(u"a", u"b"));
}

TEST(DatFileTest, WritesAndLoadsThroughTheCodePage) {
  testing::TempFolder folder;
  const std::string file = folder / "list.dat";
  WriteDatFile(file, {"apple", "book"});
  EXPECT_EQ(ToHex(testing::ReadBytes(file)), kApple);
  WriteDatFile(file, {kZhongWenCp936, " x ", ""});
  EXPECT_THAT(LoadDatList(file), ElementsAre(kZhongWenCp936, "x", ""));
  EXPECT_THAT(folder.Names(), ElementsAre("list.dat"));
  // A character the code page lacks becomes its replacement character.
  folder.Write("wide.dat", EncodeDatEntries({u"a\U0001F600"}));
  EXPECT_THAT(LoadDatList(folder / "wide.dat"), ElementsAre("a?"));
}

TEST(DatFileTest, ReportsAMissingFile) {
  testing::TempFolder folder;
  const std::string file = folder / "none.dat";
  EXPECT_EQ(testing::ErrorText([&file] { LoadDatList(file); }),
            "Cannot open file \"" + file + "\". No such file or directory");
}

TEST(DatFileTest, LoadDatListReturnsNoListWhenTheFileBreaksOff) {
  testing::TempFolder folder;
  EXPECT_THROW(LoadDatList(folder.Write("cut.dat", Hex("02 02 01 06 01 61"))), Error);
}

}  // namespace
}  // namespace tarn
