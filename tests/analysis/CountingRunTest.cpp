#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "analysis/CountingRun.h"
#include "analysis/StatisticsState.h"
#include "analysis/TableDump.h"
#include "support/FakeUserPort.h"
#include "support/TempFolder.h"
#include "text/CodePage936.h"
#include "text/Error.h"
#include "wordtable/Hashtable.h"

namespace tarn {
namespace {

using testing::TableDump;

std::map<std::string, int64_t> Counts(const THashTable& table) {
  std::map<std::string, int64_t> counts;
  for (const auto& [word, count] : TableDump(table)) counts[word] += count;
  return counts;
}

class CountingRunTest : public ::testing::Test {
 protected:
  CountingRunTest() : run_(state_, stop_words_, port_, [this] { return Tick(); }) {}

  // The clock advances by the next scripted step at each reading (0 once the script is done).
  int64_t Tick() {
    if (!steps_.empty()) {
      now_ += steps_.front();
      steps_.erase(steps_.begin());
    }
    return now_;
  }

  std::map<std::string, int64_t> FileCounts(const std::string& text) {
    EXPECT_TRUE(run_.RunFile(folder_.Write("doc.txt", text)));
    return Counts(*state_.WordTable);
  }

  std::map<std::string, int64_t> ClipboardCounts(const std::string& text) {
    run_.RunClipboard({text});
    return Counts(*state_.WordTable);
  }

  StatisticsState state_;
  THashTable stop_words_{256};
  testing::FakeUserPort port_;
  testing::TempFolder folder_;
  std::vector<int64_t> steps_;
  int64_t now_ = 1000;
  CountingRun run_;
};

struct WordCase {
  std::string text;
  std::map<std::string, int64_t> file;
  std::optional<std::map<std::string, int64_t>> clipboard = {};  // when unlike the file run
};

TEST_F(CountingRunTest, CutsWordsTheSameWayInBothRunsExceptForTheLRule) {
  const std::string long_word(100, 'q');
  const std::vector<WordCase> cases = {
      {"Don't isn't can't won't", {{"do", 1}, {"is", 1}, {"ca", 1}, {"wo", 1}}},
      {"John's it's", {{"john", 1}, {"it", 1}}},
      {"we'll", {{"we", 1}}, {{{"we", 1}, {"ll", 1}}}},
      {"he'lp rock'n'roll",
       {{"he", 1}, {"rock", 1}, {"n", 1}, {"roll", 1}},
       {{{"he", 1}, {"lp", 1}, {"rock", 1}, {"n", 1}, {"roll", 1}}}},
      {"'sad' 'Tell me' 'tin'", {{"sad", 1}, {"tell", 1}, {"me", 1}, {"tin", 1}}},
      {"1990's", {}},
      {"Co-operate mp3", {{"co", 1}, {"operate", 1}, {"mp", 1}}},
      {Utf16ToCp936(u"café"), {{"caf", 1}}},
      {"Word WORD word", {{"word", 3}}},
      {"a, b.", {{"a", 1}, {"b", 1}}},
      {long_word + "'s " + long_word, {{long_word, 2}}},
  };
  for (const WordCase& c : cases) {
    EXPECT_EQ(FileCounts(c.text), c.file) << c.text;
    EXPECT_EQ(ClipboardCounts(c.text), c.clipboard.value_or(c.file)) << c.text;
  }
}

TEST_F(CountingRunTest, FileRunRemovesStopWordsAndReportsThem) {
  stop_words_.AddCount(u"the", 1);
  ASSERT_TRUE(run_.RunFile(folder_.Write("doc.txt", "the cat the dog")));
  EXPECT_EQ(state_.TotalWords, 4);
  EXPECT_EQ(state_.DistinctWords, 3);
  EXPECT_EQ(state_.StoppedDistinct, 1);
  EXPECT_EQ(state_.summary_label,
            "该文档共有单词数：4\r该文档出现过不同单词数：3\r该文档停用不同单词数：1\r"
            "该文档停用部分词后不同单词数：2");
  const std::string listing = "dog                 \t1\rcat                 \t1\r";
  EXPECT_EQ(state_.text_view, listing);
  EXPECT_TRUE(state_.DocumentLoaded);
  EXPECT_EQ(TableDump(state_.SnapshotTable()), TableDump(*state_.WordTable->Clone()));
  EXPECT_TRUE(port_.messages.empty());
  EXPECT_EQ(port_.busy_depth, 0);
  EXPECT_EQ(port_.busy_calls, 1);
}

TEST_F(CountingRunTest, ClipboardRunSwapsTheLastTwoSummaryLines) {
  stop_words_.AddCount(u"the", 1);
  run_.RunClipboard({"the cat", "the dog"});
  EXPECT_EQ(state_.summary_label,
            "该文档共有单词数：4\r该文档出现过不同单词数：3\r该文档停用部分词后不同单词数：2\r"
            "该文档停用不同单词数：1");
  EXPECT_EQ(state_.text_view, "dog                 \t1\rcat                 \t1\r");
  EXPECT_EQ(Counts(state_.SnapshotTable()), Counts(*state_.WordTable));
  EXPECT_TRUE(port_.messages.empty());
  EXPECT_EQ(port_.busy_depth, 0);
}

TEST_F(CountingRunTest, EmptyClipboardCountsNothingButLoadsTheDocument) {
  run_.RunClipboard({"some words"});
  run_.RunClipboard({});
  EXPECT_EQ(state_.summary_label,
            "该文档共有单词数：0\r该文档出现过不同单词数：0\r该文档停用部分词后不同单词数：0\r"
            "该文档停用不同单词数：0");
  EXPECT_EQ(state_.text_view, "");
  EXPECT_EQ(state_.WordTable->ItemCount(), 0);
  EXPECT_EQ(state_.SnapshotTable().ItemCount(), 0);
  EXPECT_TRUE(state_.DocumentLoaded);
}

TEST_F(CountingRunTest, ShowsTheTimingOnlyAfterMoreThanThreeTenthsOfASecond) {
  steps_ = {0, 300};
  ASSERT_TRUE(run_.RunFile(folder_.Write("doc.txt", "a b")));
  EXPECT_TRUE(port_.messages.empty());
  steps_ = {0, 2047};
  ASSERT_TRUE(run_.RunLines({"a b"}));
  ASSERT_EQ(port_.messages.size(), 1u);
  EXPECT_EQ(port_.messages[0],
            "统计结束，分词及统计（不算显示）共耗时2.047秒！\r请点击分析菜单，查看分析报告！");
  // The listing is not in the view while the user reads the message.
  EXPECT_EQ(state_.text_view, "a                   \t1\rb                   \t1\r");
}

TEST_F(CountingRunTest, RunThatEndsEarlyChangesNothingButTheView) {
  run_.RunClipboard({"first document"});
  const auto words = TableDump(*state_.WordTable);
  const auto snapshot = TableDump(state_.SnapshotTable());
  const std::string label = state_.summary_label;
  const int64_t total = state_.TotalWords;
  for (const std::string& empty : {std::string(), std::string("\0text", 5)}) {
    EXPECT_FALSE(run_.RunFile(folder_.Write("empty.txt", empty)));
  }
  EXPECT_FALSE(run_.RunLines({}));
  EXPECT_THROW(run_.RunFile(folder_ / "missing.txt"), Error);
  EXPECT_EQ(TableDump(*state_.WordTable), words);
  EXPECT_EQ(TableDump(state_.SnapshotTable()), snapshot);
  EXPECT_EQ(state_.summary_label, label);
  EXPECT_EQ(state_.TotalWords, total);
  EXPECT_EQ(state_.text_view, "");
  EXPECT_EQ(port_.busy_depth, 0);
  EXPECT_EQ(state_.name_evidence.Of(u"document"), (WordTally{1, 1, 0}));
}

// Each run replaces the name evidence with the tables, stop words included; the views never
// touch it.
TEST_F(CountingRunTest, RunsReplaceTheNameEvidence) {
  stop_words_.AddCount(u"and", 1);
  ASSERT_TRUE(run_.RunFile(folder_.Write("doc.txt", "Holmes and Watson met Holmes and\r\n")));
  EXPECT_EQ(state_.name_evidence.Of(u"holmes"), (WordTally{2, 1, 1}));
  EXPECT_EQ(state_.name_evidence.Of(u"and"), (WordTally{2, 2, 0}));
  run_.RunClipboard({"the Watson of it"});
  EXPECT_EQ(state_.name_evidence.Of(u"holmes"), WordTally{});
  EXPECT_EQ(state_.name_evidence.Of(u"watson"), (WordTally{1, 1, 1}));
}

TEST_F(CountingRunTest, FileRunCountsALineBreakAloneAsADocument) {
  ASSERT_TRUE(run_.RunFile(folder_.Write("break.txt", "\r\n")));
  EXPECT_TRUE(state_.DocumentLoaded);
  EXPECT_EQ(state_.TotalWords, 0);
}

}  // namespace
}  // namespace tarn
