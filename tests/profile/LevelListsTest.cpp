#include "profile/LevelLists.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "profile/ProfileFixture.h"

namespace tarn {
namespace {

using ::testing::HasSubstr;

TEST(LevelLadder, LevelsAreFoundByLabelOrFileStem) {
  const struct {
    const char* name;
    const char* label;  // nullptr: no such level
  } cases[] = {
      {"四级", "四级"}, {"exam-3-cet4", "四级"}, {"GRE", "GRE"}, {"gre", "GRE"},
      {"K3", "K3"},     {"k10", "K10"},         {"freq-k01", "K1"}, {"K11", nullptr},
      {"cet4", nullptr}, {"", nullptr},
  };
  for (const auto& c : cases) {
    const LevelDefinition* level = FindLevel(c.name);
    if (c.label == nullptr) {
      EXPECT_EQ(level, nullptr) << c.name;
    } else {
      ASSERT_NE(level, nullptr) << c.name;
      EXPECT_EQ(level->label, c.label);
    }
  }
  EXPECT_EQ(ParseLadder("freq"), Ladder::kFrequency);
  EXPECT_EQ(ParseLadder("exam"), Ladder::kExam);
  EXPECT_EQ(ParseLadder("Exam"), std::nullopt);
}

class LevelListsTest : public testing::ProfileFixture {};

TEST_F(LevelListsTest, AWordBelongsToTheLowestListThatHoldsItAndAnUnreadListIsLeftOut) {
  const std::string dict = WriteExamLists({{"go", "house"}, {"garden"}, {"castle"}}, {1});
  const LevelLists lists(dict, Ladder::kExam);
  ASSERT_EQ(lists.Levels().size(), 8u);
  EXPECT_EQ(lists.Levels()[0].path, dict + "/levels/exam-1-zk.txt");
  EXPECT_TRUE(lists.Levels()[0].read);
  EXPECT_FALSE(lists.Levels()[1].read);
  EXPECT_THAT(lists.Levels()[1].error, HasSubstr("exam-2-gk.txt"));
  EXPECT_EQ(lists.LevelOf(u"go"), 0);
  EXPECT_EQ(lists.LevelOf(u"house"), 0);
  EXPECT_EQ(lists.LevelOf(u"garden"), 2);  // its own level's list is missing; 四级 holds it too
  EXPECT_EQ(lists.LevelOf(u"castle"), 2);
  EXPECT_EQ(lists.LevelOf(u"dragon"), -1);
}

}  // namespace
}  // namespace tarn
