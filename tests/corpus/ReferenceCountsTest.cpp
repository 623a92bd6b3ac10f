#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "corpus/ReferenceCounts.h"
#include "support/ErrorText.h"
#include "support/FakeUserPort.h"
#include "support/TempFolder.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// The first line's first field is the total; words are lower-cased, CR LF is taken, a word
// given twice adds up, and the last line needs no line end.
TEST(ReadReferenceCounts, TotalThenWordsAndCounts) {
  testing::TempFolder folder;
  const ReferenceCounts counts = ReadReferenceCounts(
      folder.Write("counts.txt", "1000\tnote\r\nthe\t60\r\nLamp\t3\nlamp\t2\nrare\t1"));
  EXPECT_EQ(counts.RunningWords(), 1000);
  EXPECT_EQ(counts.CountOf("the"), 60);
  EXPECT_EQ(counts.CountOf("lamp"), 5);
  EXPECT_EQ(counts.CountOf("rare"), 1);
  EXPECT_EQ(counts.CountOf("absent"), 0);
}

// Every fault names the file; a line's fault also names the line.
TEST(ReadReferenceCounts, BadFilesAreNamed) {
  testing::TempFolder folder;
  const struct {
    const char* name;
    const char* bytes;
    const char* message;
  } cases[] = {
      {"no total", "words\nthe\t5\n", "的第一行应以总词数开头"},
      {"negative total", "-5\n", "的第一行应以总词数开头"},
      {"no tab", "100\nthe 5\n", "第 2 行不是“单词<TAB>次数”"},
      {"no word", "100\nthe\t5\n\t5\n", "第 3 行不是“单词<TAB>次数”"},
      {"not a number", "100\nthe\tfive\n", "第 2 行不是“单词<TAB>次数”"},
      {"zero count", "100\nthe\t0\n", "第 2 行不是“单词<TAB>次数”"},
      {"count beyond 63 bits", "100\nthe\t99999999999999999999\n", "第 2 行不是“单词<TAB>次数”"},
      {"empty line", "100\nthe\t5\n\nlamp\t1\n", "第 3 行不是“单词<TAB>次数”"},
      {"counts above the total", "10\nthe\t6\nlamp\t5\n", "中各词次数之和大于总词数"},
      {"no running words", "0\n", "中没有单词"},
      {"empty file", "", "的第一行应以总词数开头"},
  };
  for (const auto& c : cases) {
    const std::string path = folder.Write("bad.txt", c.bytes);
    EXPECT_EQ(testing::ErrorText([&] { ReadReferenceCounts(path); }),
              "参照词频文件“" + path + "”" + c.message)
        << c.name;
  }
  const std::string missing = folder / "missing.txt";
  EXPECT_THAT(testing::ErrorText([&] { ReadReferenceCounts(missing); }),
              HasSubstr("Cannot open file \"" + missing + "\""));
}

// The shipped counts read as they are generated.
TEST(ReadReferenceCounts, TheShippedSpokenCounts) {
  const ReferenceCounts spoken =
      ReadReferenceCounts(std::string(TARN_SHIPPED_DICT) + "/" + kSpokenCountsFile);
  EXPECT_EQ(spoken.RunningWords(), 49719560);
  EXPECT_EQ(spoken.CountOf("the"), 1501908);
  EXPECT_EQ(spoken.CountOf("i"), 2038529);
}

// A reference corpus counts its texts as a corpus run does: every running word, stop words
// included; what cannot be counted is named, and a reference with nothing to count or no word
// is refused.
TEST(CountReferenceCorpus, TextsSummedAndFaultsNamed) {
  testing::TempFolder folder;
  const std::string a = folder.Write("a.txt", "The lamp. The LAMP!\n");
  const std::string b = folder.Write("b.txt", "a lamp\n");
  const std::string digits = folder.Write("digits.txt", "12 345\n");
  const std::string missing = folder / "missing.txt";
  testing::FakeUserPort port;
  const ReferenceCounts counts = CountReferenceCorpus({a, missing, b}, 2, {}, port);
  EXPECT_EQ(counts.RunningWords(), 6);
  EXPECT_EQ(counts.CountOf("lamp"), 3);
  EXPECT_EQ(counts.CountOf("the"), 2);
  EXPECT_THAT(port.messages, ElementsAre("参照语料中以下 1 项没有统计：\r“" + missing + "”不存在"));

  EXPECT_EQ(testing::ErrorText([&] { CountReferenceCorpus({missing}, 1, {}, port); }),
            "参照语料中没有可以统计的文档：“" + missing + "”不存在");
  EXPECT_EQ(testing::ErrorText([&] { CountReferenceCorpus({digits}, 1, {}, port); }),
            "参照语料“" + digits + "”中没有单词");
}

}  // namespace
}  // namespace tarn
