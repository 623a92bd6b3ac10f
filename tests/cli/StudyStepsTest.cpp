#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/DictSteps.h"
#include "concordance/StudyFixture.h"
#include "support/TempFolder.h"

namespace tarn::cli {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class StudyStepsTest : public DictStepsTest {
 protected:
  void SetUp() override {
    dict_ = testing::WriteStudyDict(folder_);
    text_ = folder_.Write("doc.txt", testing::kStudyDocument);
  }
};

TEST_F(StudyStepsTest, OneNotePerListedWordInTheCurrentViewsScope) {
  const std::string name = folder_ / "words";
  const CliRun merged = Steps({"open", text_, "merged", "export-study", name});
  ASSERT_EQ(merged.status, 0) << merged.err;
  EXPECT_THAT(merged.err, IsEmpty());
  // The step writes and leaves the listing as it was.
  EXPECT_EQ(merged.out, Steps({"open", text_, "merged"}).out);
  const std::string listing = merged.out.substr(merged.out.find("\n\n") + 2);
  const std::vector<std::string> notes = LinesOf(testing::ReadBytes(name + ".tsv"));
  ASSERT_EQ(notes.size(), 3 + LinesOf(listing).size());
  EXPECT_THAT(
      std::vector<std::string>(notes.begin(), notes.begin() + 3),
      ElementsAre("#separator:tab", "#html:true", "#columns:单词\t次数\t等级\t释义\t例句\t词形"));
  EXPECT_THAT(notes, ::testing::Contains("go\t5\t高考\tv. 去，走\t"
                                         "He <b>went</b> to the house.\twent, go, goes"));
  const std::vector<std::string> records = LinesOf(testing::ReadBytes(name + ".csv"));
  EXPECT_EQ(records.size(), 1 + LinesOf(listing).size());
  EXPECT_EQ(records[0], "\xEF\xBB\xBF单词,次数,等级,释义,例句,词形\r");

  // After the all-words view go is only itself.
  Steps({"open", text_, "merged", "all", "export-study", name});
  EXPECT_THAT(
      LinesOf(testing::ReadBytes(name + ".tsv")),
      ::testing::Contains(::testing::StartsWith("go\t1\t高考\tv. 去，走\t&quot;<b>Go</b>")));
}

TEST_F(StudyStepsTest, RefusesBeforeACountAndAFailedWriteLeavesNoFile) {
  const CliRun early = Steps({"export-study", folder_ / "early"});
  EXPECT_EQ(early.status, 0);
  EXPECT_EQ(early.err, "message: 请打开一个文件进行分析！\n");
  const CliRun failed = Steps({"open", text_, "export-study", folder_ / "none/words"});
  EXPECT_EQ(failed.status, 1);
  EXPECT_THAT(failed.err, ::testing::HasSubstr("none/words.tsv"));
  EXPECT_THAT(folder_.Names(), ElementsAre("dict", "doc.txt"));
}

}  // namespace
}  // namespace tarn::cli
