#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "analysis/AnalysisFixture.h"
#include "analysis/TableDump.h"
#include "analysis/TableFolding.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::Listed;
using testing::ListedWord;
using testing::TableDump;

using View = void (AnalysisViews::*)();

struct NamedView {
  const char* name;
  View view;
};

constexpr NamedView kAllViews[] = {{"all", &AnalysisViews::ShowAllWords},
                                   {"filtered", &AnalysisViews::ShowFiltered},
                                   {"merged", &AnalysisViews::ShowMerged},
                                   {"filtered-merged", &AnalysisViews::ShowFilteredMerged},
                                   {"roots", &AnalysisViews::MergeRoots}};

std::map<std::string, int64_t> AsMap(const std::vector<ListedWord>& words) {
  return {words.begin(), words.end()};
}

class AnalysisViewsTest : public testing::AnalysisFixture {
 protected:
  AnalysisViewsTest() {
    Fill(*lexicon_.StopWords, {"the", "a", "of"});
    Fill(*lexicon_.FilterWords, {"cat", "dog"});
    lexicon_.IrregularPairs = {"went", "go", "mice", "mouse"};
  }

  // The four summary lines.
  std::vector<std::string> Summary() const {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t cr; (cr = state_.summary_label.find('\r', start)) != std::string::npos;
         start = cr + 1) {
      lines.push_back(state_.summary_label.substr(start, cr - start));
    }
    lines.push_back(state_.summary_label.substr(start));
    return lines;
  }

  std::map<std::string, int64_t> Shown() const { return AsMap(Listed(state_.text_view)); }
};

TEST_F(AnalysisViewsTest, EveryViewWaitsForADocumentAndChangesNothing) {
  state_.text_view = "help text";
  state_.summary_label = "label";
  state_.SnapshotTable().AddCount(u"kept", 2);
  for (const NamedView& view : kAllViews) {
    SCOPED_TRACE(view.name);
    port_.messages.clear();
    (views_.*view.view)();
    EXPECT_THAT(port_.messages, ElementsAre("请打开一个文件进行分析！"));
    EXPECT_EQ(state_.text_view, "help text");
    EXPECT_EQ(state_.summary_label, "label");
    EXPECT_THAT(TableDump(state_.SnapshotTable()), ElementsAre(ListedWord("kept", 2)));
  }
}

TEST_F(AnalysisViewsTest, SummariesNameTheirViewAndLeaveTheCountedWordsAlone) {
  struct Case {
    View view;
    std::vector<std::string> lines;
  };
  // 13 running words, 12 distinct; the, of and a are 3 distinct stop words.
  const Case cases[] = {
      {&AnalysisViews::ShowAllWords,
       {"该文档共有单词数：13", "该文档出现过不同单词数：12", "该文档停用不同单词数：3",
        "该文档停用部分词后不同单词数：9"}},
      {&AnalysisViews::ShowFiltered,
       {"该文档共有单词数：13", "该文档出现过不同单词数：12", "该文档过滤部分词后单词总数：7",
        "该文档过滤部分词后不同单词数：7"}},
      // cat 2, walk 3, go, mouse, gladly, dog.
      {&AnalysisViews::ShowMerged,
       {"该文档共有单词数：13", "该文档出现过不同单词数：12", "该文档归并部分词后单词总数：9",
        "该文档归并部分词后不同单词数：6"}},
      // walk 3, go, mouse, gladly.
      {&AnalysisViews::ShowFilteredMerged,
       {"该文档共有单词数：13", "该文档出现过不同单词数：12", "该文档过滤部分词且归并后单词总数：6",
        "该文档过滤部分词且归并后不同单词数：4"}},
      // From the counting run's snapshot: gladly becomes glad, cat and dog go.
      {&AnalysisViews::MergeRoots,
       {"该文档共有单词数：13", "该文档出现过不同单词数：12", "该文档过滤部分词且归并后单词总数：7",
        "该文档过滤部分词且归并后不同单词数：7"}},
  };
  for (const Case& c : cases) {
    Count("the cat cats of a walked walking went mice gladly the dog walk");
    const auto words = TableDump(*state_.WordTable);
    (views_.*c.view)();
    EXPECT_THAT(Summary(), ::testing::ElementsAreArray(c.lines)) << c.lines[2];
    EXPECT_EQ(TableDump(*state_.WordTable), words);
    EXPECT_EQ(state_.TotalWords, 13);
    EXPECT_EQ(state_.DistinctWords, 12);
    EXPECT_EQ(state_.StoppedDistinct, 3);
    EXPECT_TRUE(state_.DocumentLoaded);
  }
}

TEST_F(AnalysisViewsTest, MergedViewsFoldInflectionsAndIrregularForms) {
  struct Case {
    const char* text;
    std::map<std::string, int64_t> merged;
  };
  const Case cases[] = {
      {"walked walked walked", {{"walk", 3}}},
      {"walked walk walked walk walked", {{"walk", 5}}},
      {"went go went", {{"go", 3}}},
      {"mice mouse mice", {{"mouse", 3}}},
      // Forms created by the folding are not reduced again.
      {"walkings", {{"walking", 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Count(c.text);
    views_.ShowMerged();
    EXPECT_EQ(Shown(), c.merged);
    views_.ShowFilteredMerged();
    EXPECT_EQ(Shown(), c.merged);
  }
}

TEST_F(AnalysisViewsTest, MergedViewKeepsEveryNonStopCountAndListsByDescendingCount) {
  Count("the boxes box boxed of walked bigger big a the cat cats cat dog");
  views_.ShowAllWords();
  const std::vector<ListedWord> all = Listed(state_.text_view);
  int64_t non_stop = 0;
  for (const auto& [word, count] : all) non_stop += count;
  views_.ShowMerged();
  const std::vector<ListedWord> merged = Listed(state_.text_view);
  EXPECT_EQ(AsMap(merged), (std::map<std::string, int64_t>{
                               {"box", 3}, {"walk", 1}, {"big", 2}, {"cat", 3}, {"dog", 1}}));
  EXPECT_EQ(state_.SnapshotTable().TotalCount(), non_stop);
  EXPECT_LE(state_.SnapshotTable().ItemCount(), state_.WordTable->ItemCount());
  for (size_t i = 1; i < merged.size(); ++i) EXPECT_GE(merged[i - 1].second, merged[i].second);
}

TEST_F(AnalysisViewsTest, FilterWordsGoAgainOnceMerged) {
  Count("cats dogs walks cats");
  views_.ShowMerged();
  EXPECT_EQ(Shown(), (std::map<std::string, int64_t>{{"cat", 2}, {"dog", 1}, {"walk", 1}}));
  views_.ShowFilteredMerged();
  EXPECT_EQ(Shown(), (std::map<std::string, int64_t>{{"walk", 1}}));
}

// Words that reduce to nothing stay as they are instead of vanishing into an invisible entry
// that the distinct number would still count.
TEST_F(AnalysisViewsTest, WordsReducedToNothingStayWhole) {
  Count("ing est ing walking");
  for (const View view : {&AnalysisViews::ShowMerged, &AnalysisViews::ShowFilteredMerged}) {
    (views_.*view)();
    EXPECT_EQ(Shown(), (std::map<std::string, int64_t>{{"ing", 2}, {"est", 1}, {"walk", 1}}));
    EXPECT_EQ(state_.SnapshotTable().TotalCount(), 4);
    EXPECT_EQ(state_.SnapshotTable().ItemCount(), 3);
  }
  Count("ness ness kind ful");
  views_.MergeRoots();
  EXPECT_EQ(Shown(), (std::map<std::string, int64_t>{{"ness", 2}, {"kind", 1}, {"ful", 1}}));
  EXPECT_EQ(state_.SnapshotTable().TotalCount(), 4);
  EXPECT_EQ(state_.SnapshotTable().ItemCount(), 3);
}

TEST_F(AnalysisViewsTest, AllWordsViewLeavesTheSnapshotOfTheViewBefore) {
  Count("cat walk walk the");
  views_.ShowFiltered();
  EXPECT_EQ(Shown(), (std::map<std::string, int64_t>{{"walk", 2}}));
  views_.ShowAllWords();
  EXPECT_EQ(Shown(), (std::map<std::string, int64_t>{{"cat", 1}, {"walk", 2}}));
  commands_.SortByCount(true);
  EXPECT_THAT(Listed(state_.text_view), ElementsAre(ListedWord("walk", 2)));
}

TEST_F(AnalysisViewsTest, RootMergeWorksOnTheLastResultEachTime) {
  // careful is made by the first merge, so only the second one reduces it.
  Count("carefully carefully kindness cats");
  views_.ShowMerged();
  views_.MergeRoots();
  EXPECT_EQ(Shown(), (std::map<std::string, int64_t>{{"careful", 2}, {"kind", 1}}));
  views_.MergeRoots();
  EXPECT_EQ(Shown(), (std::map<std::string, int64_t>{{"care", 2}, {"kind", 1}}));
  EXPECT_EQ(AsMap(TableDump(state_.SnapshotTable())),
            (std::map<std::string, int64_t>{{"care", 2}, {"kind", 1}}));
}

TEST_F(AnalysisViewsTest, RootMergeSearchesASnapshotThatASortReordered) {
  Count("kindness kind kind gladly glad glad glad");
  commands_.SortByCount(false);
  views_.MergeRoots();
  EXPECT_THAT(Listed(state_.text_view), ElementsAre(ListedWord("glad", 4), ListedWord("kind", 3)));
}

TEST_F(AnalysisViewsTest, ADocumentOfFilterAndStopWordsGivesAnEmptyFilteredView) {
  Count("the cat of dog a cats");
  views_.ShowFiltered();
  EXPECT_EQ(Summary()[2], "该文档过滤部分词后单词总数：1");
  Count("the cat of dog a");
  views_.ShowFiltered();
  EXPECT_THAT(Summary(),
              ElementsAre("该文档共有单词数：5", "该文档出现过不同单词数：5",
                          "该文档过滤部分词后单词总数：0", "该文档过滤部分词后不同单词数：0"));
  EXPECT_THAT(state_.text_view, IsEmpty());
  EXPECT_EQ(state_.SnapshotTable().ItemCount(), 0);
}

TEST(TableFoldingTest, ChainsFollowTheKeyListAndBlankResultsStay) {
  THashTable table(256);
  for (const char16_t* key : {u"c", u"b", u"a", u"x"}) table.AddCount(key, 1);
  // Key order is bucket order: a, b, c, x. a -> b -> c is followed because b and c come later;
  // x reduces to a blank and stays.
  FoldTable(table, [](std::string_view w) -> std::string {
    if (w == "a") return "b";
    if (w == "b") return "c";
    if (w == "x") return " ";
    return std::string(w);
  });
  EXPECT_THAT(TableDump(table), ElementsAre(ListedWord("c", 3), ListedWord("x", 1)));
}

}  // namespace
}  // namespace tarn
