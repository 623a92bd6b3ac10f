#include "profile/VocabularyProfile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "analysis/AnalysisFixture.h"
#include "profile/ProfileFixture.h"
#include "profile/ProfileViews.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;
using ::testing::UnorderedElementsAre;

class VocabularyProfileTest : public testing::ProfileFixture {
 protected:
  NonWordTest single_letters_ = [](const std::u16string& word) { return word.size() == 1; };
};

TEST_F(VocabularyProfileTest, RowsSharesAndVerdictsOfASmallText) {
  const std::string dict = WriteExamLists({{"go", "house", "cat"}, {"castle"}, {"walk"}});
  const LevelLists lists(dict, Ladder::kExam);
  // Stop words 3 (2 distinct), the name 2, 中考 3 (went counts as go), 高考 1, 四级 1 (walked
  // as walk), beyond 1: elevenths, whose rounded shares must still make 100.0 %.
  Count("The cat went the house Holmes castle Holmes walked dragon a");
  EXPECT_EQ(ProfileTable(Profile(lists)),
            "等级\t不同词数\t词次\t比例\t累计比例\n"
            "功能词\t2\t3\t27.3%\t27.3%\n"
            "专有名词\t1\t2\t18.2%\t45.5%\n"
            "中考\t3\t3\t27.2%\t72.7%\n"
            "高考\t1\t1\t9.1%\t81.8%\n"
            "四级\t1\t1\t9.1%\t90.9%\n"
            "六级\t0\t0\t0.0%\t90.9%\n"
            "考研\t0\t0\t0.0%\t90.9%\n"
            "雅思\t0\t0\t0.0%\t90.9%\n"
            "托福\t0\t0\t0.0%\t90.9%\n"
            "GRE\t0\t0\t0.0%\t90.9%\n"
            "超纲词\t1\t1\t9.1%\t100.0%\n"
            "\n95%\t超纲词\n98%\t超纲词\n");
}

TEST_F(VocabularyProfileTest, TheVerdictIsTheLowestLevelThatReachesTheShare) {
  const std::string dict = WriteExamLists({{"cat", "house"}, {"castle"}, {}, {"dragon"}});
  const LevelLists lists(dict, Ladder::kExam);
  const struct {
    std::string text;
    std::string coverage95;
    std::string coverage98;
  } cases[] = {
      // 19 of 20 known at 中考 is 95 %, the last word at 高考.
      {"the cat house cat house cat house cat house cat house cat house cat house cat house cat "
       "house castle",
       "中考", "高考"},
      {"cat castle dragon", "六级", "六级"},
      {"the a is", "中考", "中考"},  // stop words alone: the first level already covers them
      {"cat zebra", "超纲词", "超纲词"},
  };
  for (const auto& c : cases) {
    Count(c.text);
    const VocabularyProfile profile = Profile(lists);
    EXPECT_EQ(profile.coverage95, c.coverage95) << c.text;
    EXPECT_EQ(profile.coverage98, c.coverage98) << c.text;
    EXPECT_EQ(profile.rows.back().cumulative_tenths, 1000) << c.text;
  }
}

TEST_F(VocabularyProfileTest, AListThatCannotBeReadLeavesItsLevelOut) {
  const std::string dict = WriteExamLists({{"cat"}, {"castle"}, {"dragon"}}, {1});
  const LevelLists lists(dict, Ladder::kExam);
  Count("cat castle dragon");
  std::vector<std::string> labels;
  for (const ProfileRow& row : Profile(lists).rows) labels.push_back(row.label);
  EXPECT_THAT(labels, ElementsAre("功能词", "专有名词", "中考", "四级", "六级", "考研", "雅思",
                                  "托福", "GRE", "超纲词"));
  // castle is in the 四级 list, which holds every level below it.
  EXPECT_EQ(Profile(lists).rows[3].tokens, 2);
}

TEST_F(VocabularyProfileTest, BeyondALevelListsTheMergedNewWordsWithoutNamesOrNonWords) {
  const std::string dict = WriteExamLists({{"go", "house", "cat"}, {"castle"}});
  const LevelLists lists(dict, Ladder::kExam);
  const WordPlacement placement(lists, base_, is_name_);
  ShowBeyondView(state_, lexicon_, port_, placement, single_letters_, 0);
  EXPECT_THAT(port_.messages, ElementsAre("请打开一个文件进行分析！"));

  Count("the cat went house Holmes holmes castle castle walked walking dragon x x x");
  ShowBeyondView(state_, lexicon_, port_, placement, single_letters_, 0);
  EXPECT_THAT(testing::Listed(state_.text_view),
              UnorderedElementsAre(Pair("castle", 2), Pair("walk", 2), Pair("dragon", 1)));
  EXPECT_EQ(testing::Listed(state_.text_view).back(), testing::ListedWord("dragon", 1));
  EXPECT_EQ(state_.summary_label,
            "该文档共有单词数：14\r该文档出现过不同单词数：10\r"
            "超出中考的生词总数：5\r超出中考的不同生词数：3");
  EXPECT_EQ(state_.SnapshotTable().TotalCount(), 5);

  ShowBeyondView(state_, lexicon_, port_, placement, single_letters_, 1);
  EXPECT_THAT(testing::Listed(state_.text_view),
              UnorderedElementsAre(Pair("walk", 2), Pair("dragon", 1)));

  ShowNamesView(state_, port_, placement);
  EXPECT_THAT(testing::Listed(state_.text_view), ElementsAre(Pair("holmes", 2)));
}

}  // namespace
}  // namespace tarn
