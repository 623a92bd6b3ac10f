#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/DictSteps.h"
#include "morphology/DictFixture.h"

namespace tarn::cli {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class PartialStepsTest : public DictStepsTest {
 protected:
  void SetUp() override {
    dict_ = testing::WriteDict(folder_, {{"lamp"}, {"went", "go"}, {}, {}, {}, {"the"}});
    fs::create_directories(folder_ / "books/later");
    // Names, capitals at sentence starts, a word only one text has, a file that is skipped and
    // a name that needs escaping, so that every part of the form is exercised.
    paths_ = {folder_.Write("a.txt", "The lamp went out. Holmes went home.\n"),
              folder_ / "missing.txt",
              folder_.Write("b\tc.txt", "Watson and Holmes. The lamp, the lamp!\n"),
              folder_.Write("books/later/d.txt", "Mr. Holmes went to see Watson go.\n"),
              folder_.Write("books/empty\nfile.txt", ""),
              folder_.Write("books/e.txt", "HOLMES and the LAMP. Lamps went out in London.\n"),
              folder_.Write("f.txt", "London, London, the lamplighter said.\n")};
  }

  // Writes the partial count of `paths` to `name`; the partial's own messages must be those of
  // the corpus step.
  std::string Partial(const std::string& name, const std::vector<std::string>& paths) {
    std::vector<std::string> args = {"count-partial"};
    args.insert(args.end(), paths.begin(), paths.end());
    const CliRun run = RunWith(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return folder_.Write(name, run.out);
  }

  std::vector<std::string> paths_;
};

// For every way of cutting the paths into two parts, and a few into three or more, merging the
// parts' partial counts in order gives what counting all the paths gives: summary, messages,
// corpus listing, and the views that read the name evidence and the merged table.
TEST_F(PartialStepsTest, MergingTheCountsOfAnySplitEqualsCountingTheWhole) {
  std::vector<std::vector<size_t>> splits;
  for (size_t cut = 1; cut < paths_.size(); ++cut) splits.push_back({cut});
  splits.push_back({1, 2, 3, 4, 5, 6});
  splits.push_back({2, 5});
  for (const std::vector<std::string>& after :
       {std::vector<std::string>{"corpus-listing"}, {"names"}, {"merged", "freq-desc"}}) {
    std::vector<std::string> whole = {"corpus"};
    whole.insert(whole.end(), paths_.begin(), paths_.end());
    whole.insert(whole.end(), after.begin(), after.end());
    const CliRun counted = Steps(whole);
    ASSERT_EQ(counted.status, 0) << counted.err;
    for (const std::vector<size_t>& cuts : splits) {
      std::vector<std::string> merge = {"merge-partials"};
      size_t from = 0;
      for (size_t i = 0; i <= cuts.size(); ++i) {
        const size_t to = i < cuts.size() ? cuts[i] : paths_.size();
        merge.push_back(Partial("part" + std::to_string(i) + ".tsv",
                                {paths_.begin() + from, paths_.begin() + to}));
        from = to;
      }
      merge.insert(merge.end(), after.begin(), after.end());
      const CliRun merged = Steps(merge);
      EXPECT_EQ(merged.out, counted.out) << ::testing::PrintToString(cuts) << after[0];
      EXPECT_EQ(merged.err, counted.err) << ::testing::PrintToString(cuts) << after[0];
    }
  }
}

// count-partial names what it skips as the corpus step does and still writes the partial, so
// that the merge lists them; a merge with no text at all fails as an empty corpus does.
TEST_F(PartialStepsTest, SkippedFilesAreNamedAndCarriedIntoTheMerge) {
  const CliRun run = RunWith({"count-partial", folder_ / "missing.txt", paths_[4]});
  EXPECT_EQ(run.status, 0);
  EXPECT_THAT(run.err, HasSubstr("message: 以下 2 项没有统计："));
  EXPECT_THAT(run.out, HasSubstr("skipped-path\t" + folder_ / "missing.txt" + "\t"));
  EXPECT_THAT(run.out, HasSubstr("skipped-file\t" + folder_ / "books/empty\\nfile.txt" + "\t"));
  const CliRun merged = Steps({"merge-partials", folder_.Write("none.tsv", run.out)});
  EXPECT_EQ(merged.status, 1);
  EXPECT_THAT(merged.err, HasSubstr("error: 没有可以统计的文档"));
  EXPECT_EQ(RunWith({"count-partial"}).err, "error: expected at least 1 FILE, got 0.\n");
}

// A bad partial ends the steps with the file named and the merge refused.
TEST_F(PartialStepsTest, ABadPartialRefusesTheMerge) {
  const std::string good = Partial("good.tsv", {paths_[0]});
  const std::string bad = folder_.Write("bad.tsv", "tarn-partial 7\nend\t1\n");
  const CliRun run = Steps({"open", paths_[0], "merge-partials", good, bad, "corpus-listing"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "error: “" + bad + "”是另一版本（7）的部分统计，本程序只能读第 1 版；合并已取消.\n");
}

}  // namespace
}  // namespace tarn::cli
