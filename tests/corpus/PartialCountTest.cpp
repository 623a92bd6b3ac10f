#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corpus/CorpusListing.h"
#include "corpus/CorpusRun.h"
#include "support/FakeUserPort.h"
#include "support/TempFolder.h"
#include "text/Error.h"
#include "wordtable/Hashtable.h"

namespace tarn {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// Two texts: apple twice and pear once, then apple and pear once each; one path skipped.
constexpr char kGood[] =
    "tarn-partial 1\n"
    "text\t3\ta.txt\n"
    "text\t2\tb\\tc.txt\n"
    "skipped-path\tgone.txt\t“gone.txt”不存在\n"
    "word\tapple\t3\t3\t1\t1:2\t2:1\n"
    "word\tpear\t2\t2\t0\t1:1\t2:1\n"
    "end\t6\n";

// kGood with its first `from` replaced by `to`.
std::string Edited(const std::string& from, const std::string& to) {
  std::string text = kGood;
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

class PartialCountTest : public ::testing::Test {
 protected:
  CorpusStatistics Merge(const std::vector<std::string>& paths) {
    return CorpusRun(state_, stop_words_, port_).Merge(paths, 2);
  }

  testing::TempFolder folder_;
  THashTable stop_words_{256};
  StatisticsState state_;
  testing::FakeUserPort port_;
};

// A partial merges into the statistics of its texts, its skipped path listed at the end.
TEST_F(PartialCountTest, APartialMergesIntoItsStatistics) {
  const CorpusStatistics corpus = Merge({folder_.Write("good.tsv", kGood)});
  EXPECT_EQ(corpus.Texts(), 2u);
  EXPECT_EQ(CorpusListingText(*state_.WordTable, corpus),
            "pear\t2\t2\t0.100\rapple\t3\t2\t0.067\r");
  EXPECT_THAT(state_.summary_label, HasSubstr("该语料共有文本数：2\r未能统计的文件数：1"));
  EXPECT_THAT(port_.messages, ::testing::ElementsAre("以下 1 项没有统计：\r“gone.txt”不存在"));
}

struct BadPartial {
  const char* name;
  std::string bytes;
  std::string message;  // what the error says after the file's quoted name
};

// Each bad partial is refused with its file and what is wrong, and the statistics of the run
// before stay as they were, though a good partial came before it.
TEST_F(PartialCountTest, BadPartialsAreRefusedWithNothingReplaced) {
  const std::string big = "9223372036854775807";
  const std::vector<BadPartial> cases = {
      {"not a partial", "The lamp went out.\n", "不是部分统计文件：第一行应为“tarn-partial 1”"},
      {"empty", "", "不是部分统计文件：第一行应为“tarn-partial 1”"},
      {"another version", Edited("tarn-partial 1", "tarn-partial 2"),
       "是另一版本（2）的部分统计，本程序只能读第 1 版"},
      {"no end line", Edited("end\t6\n", ""), "不完整：没有结尾行“end”，文件可能被截断了"},
      {"lines lost", Edited("word\tpear\t2\t2\t0\t1:1\t2:1\nend\t6", "end\t6"),
       "不完整：结尾行记有 6 行，实际有 5 行，文件可能被截断了"},
      {"end line inside", Edited("word\tpear", "end\t4\nword\tpear"),
       "第 6 行有误：结尾行后面还有内容"},
      {"count beyond 64 bits", Edited("apple\t3", "apple\t9223372036854775808"),
       "第 5 行有误：数目“9223372036854775808”超出 64 位整数的范围"},
      {"text counts beyond 64 bits", Edited("1:2\t2:1", "1:" + big + "\t2:" + big),
       "第 5 行有误：次数之和超出 64 位整数的范围"},
      {"running words beyond 64 bits", Edited("text\t2", "text\t" + big),
       "第 3 行有误：次数之和超出 64 位整数的范围"},
      {"field missing", Edited("\t3\t3\t1\t1:2\t2:1", "\t3\t3"), "第 5 行有误：栏数不够"},
      {"field too many", Edited("b\\tc.txt", "b\tc.txt"), "第 3 行有误：栏数太多"},
      {"not a number", Edited("apple\t3\t3", "apple\tthree\t3"),
       "第 5 行有误：“three”不是非负整数"},
      {"negative", Edited("pear\t2\t2\t0", "pear\t2\t2\t-1"), "第 6 行有误：“-1”不是非负整数"},
      {"no text listed", Edited("0\t1:1\t2:1", "0"), "第 6 行有误：没有列出含该词的文本"},
      {"no such text", Edited("2:1\nend", "3:1\nend"), "第 6 行有误：没有第 3 个文本"},
      {"texts not rising", Edited("1:1\t2:1\nend", "2:1\t1:1\nend"),
       "第 6 行有误：文本的编号应当递增"},
      {"entry without colon", Edited("1:1\t2:1\nend", "1:1\t2\nend"),
       "第 6 行有误：“2”应为“文本:次数”"},
      {"counts do not add up", Edited("apple\t3\t3", "apple\t4\t3"),
       "第 5 行有误：各文本的次数之和 3 不等于总次数 4"},
      {"more capitals than occurrences", Edited("3\t3\t1", "3\t3\t4"),
       "第 5 行有误：大写的次数多于总次数"},
      {"running words do not match", Edited("text\t3", "text\t4"),
       "第 2 行有误：文本的词数 4 不等于其中各词的次数之和 3"},
      {"word listed twice", Edited("word\tpear", "word\tapple"),
       "第 6 行有误：单词“apple”已经列过"},
      {"control byte in a word", Edited("word\tpear", "word\tpe\x01r"),
       "第 6 行有误：单词里有控制字符"},
      {"unknown line", Edited("word\tpear", "wort\tpear"), "第 6 行有误：不认识的行“wort”"},
      {"lines out of order", Edited("skipped-path", "word\tfig\t1\t1\t0\t1:1\nskipped-path"),
       "第 5 行有误：行的次序不对"},
      {"bad escape", Edited("b\\tc.txt", "b\\xc.txt"), "第 3 行有误：反斜杠后只能是 \\、t、n 或 r"},
  };
  const std::string good = folder_.Write("good.tsv", kGood);
  Merge({folder_.Write("before.tsv", Edited("pear", "plum"))});
  const std::string listing = state_.text_view;
  const std::string summary = state_.summary_label;
  const uint64_t runs = state_.completed_runs;
  port_.messages.clear();
  for (const BadPartial& bad : cases) {
    const std::string path = folder_.Write("bad.tsv", bad.bytes);
    try {
      Merge({good, path});
      ADD_FAILURE() << bad.name << ": merged";
    } catch (const Error& error) {
      EXPECT_EQ(error.what(), "“" + path + "”" + bad.message + "；合并已取消") << bad.name;
      EXPECT_EQ(error.file(), path) << bad.name;
    }
    EXPECT_EQ(state_.text_view, listing) << bad.name;
    EXPECT_EQ(state_.summary_label, summary) << bad.name;
    EXPECT_EQ(state_.completed_runs, runs) << bad.name;
    EXPECT_TRUE(port_.messages.empty()) << bad.name;
  }
}

// A file cut short anywhere, even at a line's end, is refused; so is a sum of partials whose
// running words pass 64 bits, though each is whole.
TEST_F(PartialCountTest, CutShortAnywhereOrOverflowingTogetherIsRefused) {
  const std::string good = kGood;
  for (size_t size = 0; size < good.size(); ++size) {
    const std::string path = folder_.Write("cut.tsv", good.substr(0, size));
    EXPECT_THROW(Merge({path}), Error) << size;
  }
  const std::string huge = folder_.Write(
      "huge.tsv",
      "tarn-partial 1\ntext\t9223372036854775807\ta\nword\tapple\t9223372036854775807\t0\t0\t1:"
      "9223372036854775807\nend\t3\n");
  const CorpusStatistics corpus = Merge({huge});
  EXPECT_EQ(CorpusListingText(*state_.WordTable, corpus), "apple\t9223372036854775807\t1\t0.000\r");
  try {
    Merge({huge, huge});
    ADD_FAILURE() << "merged";
  } catch (const Error& error) {
    EXPECT_THAT(error.what(), StartsWith("加上“" + huge + "”后，语料的总词数超出 64 位整数的范围"));
  }
  EXPECT_EQ(state_.TotalWords, INT64_MAX);
}

}  // namespace
}  // namespace tarn
