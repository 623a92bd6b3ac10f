#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/DictSteps.h"
#include "support/TempFolder.h"
#include "text/Lines.h"
#include "wordlists/TextWordList.h"

namespace tarn::cli {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

std::string Sample() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().string() +
         "/samples/sherlock.txt";
}

std::vector<std::string> ViewLines(const std::string& out) { return LinesOf(TextView(out)); }

// The words and counts of a listing in the text view.
std::map<std::string, long> Listing(const std::string& out) {
  std::map<std::string, long> counts;
  for (const std::string& line : ViewLines(out)) {
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    counts[line.substr(0, line.find(' '))] = std::stol(line.substr(tab + 1));
  }
  return counts;
}

// The fields of the profile's row labelled `label`, empty when there is none.
std::vector<std::string> ProfileRow(const std::string& out, const std::string& label) {
  for (const std::string& line : ViewLines(out)) {
    if (!line.starts_with(label + "\t")) continue;
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
    return fields;
  }
  return {};
}

class KnownStepsTest : public ::testing::Test {
 protected:
  std::vector<std::string> With(std::vector<std::string> steps) const {
    steps.insert(steps.begin(), {"--known", known_});
    return steps;
  }

  testing::TempFolder folder_;
  std::string known_ = folder_ / "known.txt";
};

TEST_F(KnownStepsTest, TheBeyondViewLeavesOutAndTheProfileCountsExactlyTheKnownBaseForms) {
  // Base forms, a name among them, and words beyond 四级 that the sample uses.
  const std::vector<std::string> known = {"see", "go", "good", "holmes", "cannot", "client", "ah"};
  WriteTextLines(known_, known);
  const std::map<std::string, long> merged = Listing(RunWith({"open", Sample(), "merged"}).out);
  long expected = 0;
  for (const std::string& word : known) expected += merged.at(word);

  const CliRun profile = RunWith(With({"open", Sample(), "profile"}));
  ASSERT_EQ(profile.status, 0) << profile.err;
  EXPECT_THAT(ProfileRow(profile.out, "熟词"),
              ElementsAre("熟词", std::to_string(known.size()), std::to_string(expected),
                          ::testing::_, ::testing::_));
  EXPECT_THAT(ViewLines(profile.out)[3], ::testing::StartsWith("熟词\t"));
  EXPECT_THAT(ViewLines(profile.out).back(), HasSubstr("你已认识全文 "));

  const std::map<std::string, long> beyond =
      Listing(RunWith(With({"open", Sample(), "beyond", "四级"})).out);
  EXPECT_GT(beyond.size(), 100u);
  for (const std::string& word : known) EXPECT_EQ(beyond.count(word), 0u) << word;
  // Without the known words the beyond view lists them as before.
  const std::map<std::string, long> before =
      Listing(RunWith({"--known", folder_ / "none.txt", "open", Sample(), "beyond", "四级"}).out);
  EXPECT_EQ(before.count("cannot"), 1u);
}

TEST_F(KnownStepsTest, AddingAndRemovingSurviveARestart) {
  const CliRun added = RunWith(With({"known-add", "Went", "cats", "seen", "42"}));
  ASSERT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(added.err, "message: 已加入熟词本：3个新词\n");
  EXPECT_THAT(ViewLines(RunWith(With({"known-list"})).out), ElementsAre("cat", "go", "see"));
  EXPECT_EQ(testing::ReadBytes(known_), "cat\r\ngo\r\nsee\r\n");

  const CliRun removed = RunWith(With({"known-remove", "going", "dogs"}));
  EXPECT_EQ(removed.err, "message: 已移出熟词本：1个词\n");
  const CliRun listed = RunWith(With({"known-list"}));
  EXPECT_THAT(listed.out, ::testing::StartsWith("熟词本共有2个词\n\n"));
  EXPECT_THAT(ViewLines(listed.out), ElementsAre("cat", "see"));
  EXPECT_EQ(testing::ReadBytes(folder_ / "known.BAK"), "cat\r\ngo\r\nsee\r\n");
}

// The words of the study list NAME.tsv: the first field of each note.
std::vector<std::string> StudyWords(const std::string& tsv) {
  std::vector<std::string> words;
  for (const std::string& line : LinesOf(testing::ReadBytes(tsv))) {
    if (!line.starts_with('#')) words.push_back(line.substr(0, line.find('\t')));
  }
  return words;
}

TEST_F(KnownStepsTest, TheStudyListCanLeaveTheKnownWordsOut) {
  WriteTextLines(known_, {"see", "holmes"});
  const std::string all = folder_ / "all";
  const std::string fresh = folder_ / "new";
  // In a merged view the listed words are base forms; in the counted listing "saw" is "see".
  for (const char* view : {"merged", "all"}) {
    ASSERT_EQ(RunWith(With({"open", Sample(), view, "export-study", all})).status, 0);
    const CliRun run = RunWith(With({"open", Sample(), view, "export-study-new", fresh}));
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> expected;
    for (const std::string& word : StudyWords(all + ".tsv")) {
      if (word != "see" && word != "holmes" && word != "saw" && word != "seen" && word != "sees" &&
          word != "seeing") {
        expected.push_back(word);
      }
    }
    EXPECT_GT(StudyWords(all + ".tsv").size(), expected.size() + 1) << view;
    EXPECT_EQ(StudyWords(fresh + ".tsv"), expected) << view;
  }
}

TEST_F(KnownStepsTest, AnUnusableListIsReportedAndTheStepsRunWithoutIt) {
  ASSERT_EQ(::mkfifo(known_.c_str(), 0600), 0);
  const CliRun profile = RunWith(With({"open", Sample(), "profile"}));
  EXPECT_EQ(profile.status, 0);
  EXPECT_THAT(profile.err, HasSubstr("message: 无法使用熟词本“" + known_ + "”"));
  EXPECT_THAT(profile.out, Not(HasSubstr("熟词\t")));

  const CliRun add = RunWith(With({"known-add", "apple"}));
  EXPECT_EQ(add.status, 1);
  EXPECT_THAT(add.err, HasSubstr("没有更改"));
  EXPECT_TRUE(std::filesystem::is_fifo(known_));
}

TEST_F(KnownStepsTest, TheOptionIsForStepsOnly) {
  EXPECT_THAT(RunWith({"--known", known_, "--known", known_, "known-list"}).err,
              HasSubstr("option \"--known\" is given twice"));
  EXPECT_THAT(RunWith({"--known"}).err, HasSubstr("option \"--known\" needs a value"));
  EXPECT_THAT(RunWith({"--known", known_, "base-form", "cats"}).err,
              HasSubstr("option \"--known\" applies to steps only"));
  // The default list is the user's own, created empty at first use.
  const CliRun listed = RunWith({"known-list"});
  EXPECT_EQ(listed.status, 0) << listed.err;
  EXPECT_TRUE(std::filesystem::exists(testing::kPrivateDataHome.path() + "/tarn/我的熟词本.txt"));
}

}  // namespace
}  // namespace tarn::cli
