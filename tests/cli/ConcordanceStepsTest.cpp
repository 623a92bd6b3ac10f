#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/DictSteps.h"
#include "morphology/DictFixture.h"
#include "support/TempFolder.h"

namespace tarn::cli {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class ConcordanceStepsTest : public DictStepsTest {
 protected:
  void SetUp() override {
    dict_ = testing::WriteDict(folder_, {{"house"}, {"went", "go"}, {}, {}, {}, {"the"}});
    text_ = folder_.Write("doc.txt", "We go.\r\nThey went\r\nhome; she goes, Go!\r\n");
  }
};

TEST_F(ConcordanceStepsTest, TheWordStandsForWhatTheListingShows) {
  // After merged, go stands for go, goes and went: as many lines as the view counts.
  EXPECT_THAT(LinesOf(Steps({"open", text_, "merged"}).out),
              ::testing::Contains("go                  \t4"));
  const CliRun merged = Steps({"open", text_, "merged", "concordance", "go", "8"});
  EXPECT_EQ(merged.status, 0) << merged.err;
  EXPECT_THAT(merged.err, IsEmpty());
  EXPECT_THAT(LinesOf(merged.out), ElementsAre("go：共出现 4 次（go、goes、went）", "",
                                               "     We \tgo\t. They w", "o. They \twent\t home; s",
                                               "me; she \tgoes\t, Go! ", "e goes, \tGo\t! "));
  // After a counting run or the all-words view the word is only itself; WIDTH is optional.
  for (const std::vector<std::string>& steps :
       {std::vector<std::string>{"open", text_, "concordance", "go"},
        std::vector<std::string>{"open", text_, "merged", "all", "concordance", "GO"}}) {
    const std::vector<std::string> lines = LinesOf(Steps(steps).out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "go：共出现 2 次");
    EXPECT_EQ(lines[2], std::string(37, ' ') + "We \tgo\t. They went home; she goes, Go! ");
  }
}

TEST_F(ConcordanceStepsTest, NoOccurrenceIsAMessageAndAWidthIsANumber) {
  const CliRun none = Steps({"open", text_, "concordance", "house"});
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, "house：共出现 0 次\n\n");
  EXPECT_EQ(none.err, "message: 文档中没有单词“house”！\n");
  // A word after the step's word is the next step, not a width.
  const CliRun next = Steps({"open", text_, "concordance", "go", "merged"});
  EXPECT_THAT(next.out, HasSubstr("该文档归并部分词后单词总数"));
  const CliRun wide = Steps({"open", text_, "concordance", "go", "5000"});
  EXPECT_EQ(wide.status, 1);
  EXPECT_EQ(wide.err, "error: WIDTH must be at most 1000.\n");
  const CliRun early = Steps({"concordance", "go"});
  EXPECT_EQ(early.err, "message: 请打开一个文件进行分析！\n");
}

}  // namespace
}  // namespace tarn::cli
