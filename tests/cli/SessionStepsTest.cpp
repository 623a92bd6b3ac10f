#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliPort.h"
#include "cli/DictSteps.h"
#include "morphology/DictFixture.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

namespace tarn::cli {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

// A run's output split at its empty line: the summary's lines, and the listing's lines sorted
// (their order is the word table's, which the counting tests pin).
struct Printed {
  std::vector<std::string> summary;
  std::vector<std::string> listing;
};

Printed Split(const std::string& out) {
  Printed printed;
  std::istringstream lines(out);
  std::string line;
  bool in_listing = false;
  while (std::getline(lines, line)) {
    if (!in_listing && line.empty()) {
      in_listing = true;
    } else {
      (in_listing ? printed.listing : printed.summary).push_back(line);
    }
  }
  std::sort(printed.listing.begin(), printed.listing.end());
  return printed;
}

// The listing line of `word` with `count`.
std::string Listed(const std::string& word, int count) {
  return word + std::string(20 - word.size(), ' ') + '\t' + std::to_string(count);
}

class SessionStepsTest : public DictStepsTest {
 protected:
  void SetUp() override {
    dict_ = testing::WriteDict(folder_, {{"house"}, {"went", "go"}, {}, {}, {}, {"the"}});
  }
};

TEST_F(SessionStepsTest, OpenAndPastePrintTheSummaryAndTheListing) {
  const std::string text =
      folder_.Write("doc.txt", "Don't John's we'll 'sad' co-operate mp3\r\nthe cat the dog\n");
  // An opening quote is only a separator: 'sad' counts as sad.
  const std::vector<std::string> shared = {
      Listed("cat", 1), Listed("co", 1),      Listed("do", 1),  Listed("dog", 1), Listed("john", 1),
      Listed("mp", 1),  Listed("operate", 1), Listed("sad", 1), Listed("we", 1)};

  const CliRun opened = Steps({"open", text});
  EXPECT_EQ(opened.status, 0) << opened.err;
  EXPECT_THAT(opened.err, IsEmpty());
  const Printed file = Split(opened.out);
  EXPECT_THAT(file.summary,
              ElementsAre("该文档共有单词数：11", "该文档出现过不同单词数：10",
                          "该文档停用不同单词数：1", "该文档停用部分词后不同单词数：9"));
  EXPECT_EQ(file.listing, shared);

  const CliRun pasted = Steps({"paste", text});
  EXPECT_EQ(pasted.status, 0) << pasted.err;
  const Printed clipboard = Split(pasted.out);
  EXPECT_THAT(clipboard.summary,
              ElementsAre("该文档共有单词数：12", "该文档出现过不同单词数：11",
                          "该文档停用部分词后不同单词数：10", "该文档停用不同单词数：1"));
  std::vector<std::string> with_ll = shared;
  with_ll.push_back(Listed("ll", 1));
  std::sort(with_ll.begin(), with_ll.end());
  EXPECT_EQ(clipboard.listing, with_ll);
}

TEST_F(SessionStepsTest, StepsRunInOrderOnOneSession) {
  const std::string text = folder_.Write("doc.txt", "house garden\r\n");
  const std::string garden = folder_.Write("garden.txt", "garden\r\nGarden\r\n");
  // The filter viewer empties the summary; the hidden viewers keep it.
  EXPECT_EQ(Steps({"open", text, "load-filter", garden, "show-filter"}).out, "\nGarden\ngarden\n");
  EXPECT_EQ(Steps({"paste", text, "show-irregular"}).out,
            "该文档共有单词数：2\n该文档出现过不同单词数：2\n该文档停用部分词后不同单词数：2\n"
            "该文档停用不同单词数：0\n\nwent\ngo\n");
  EXPECT_EQ(Steps({"show-eend", "show-recall", "show-double", "show-stop"}).out, "\nthe\n");
}

TEST_F(SessionStepsTest, ErrorsStopTheStepsWithStatusOne) {
  const std::string missing = folder_ / "none.txt";
  const std::string latin1 = folder_.Write("latin1.txt", "caf\xE9\n");
  const struct {
    std::vector<std::string> steps;
    std::string err;
  } cases[] = {
      {{"open", missing}, "error: " + testing::MissingFileMessage(missing) + ".\n"},
      {{"load-filter", missing}, "error: " + testing::MissingFileMessage(missing) + ".\n"},
      {{"paste", latin1}, "error: \"" + latin1 + "\" is not UTF-8 text.\n"},
      {{"show-stop", "open"}, "error: step \"open\" needs FILE.\n"},
      {{"show-stop", "frobnicate"}, "error: unknown step \"frobnicate\"; see tarn-cli --help.\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = Steps(c.steps);
    EXPECT_EQ(run.status, 1) << c.err;
    EXPECT_EQ(run.err, c.err);
    EXPECT_THAT(run.out, IsEmpty()) << c.err;
  }
}

TEST_F(SessionStepsTest, OpenReadsAPdfJoiningTheSplitWordsTheDictFolderKnows) {
  std::filesystem::create_directories(dict_ + "/levels");
  folder_.Write("dict/levels/exam-8-gre.txt", "representatives\r\n");
  folder_.Write("dict/glosses.txt", "information\tn. 信息\n");
  const CliRun run = Steps({"open", testing::TestDataPath("documents/hyphens.pdf")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.err, IsEmpty());
  // "inter-" / "national" and "well-" / "known" make no word the folder knows.
  EXPECT_EQ(Split(run.out).listing,
            (std::vector<std::string>{
                Listed("about", 1), Listed("first", 1), Listed("hall", 1), Listed("in", 1),
                Listed("information", 1), Listed("inter", 1), Listed("known", 1), Listed("met", 1),
                Listed("names", 1), Listed("national", 1), Listed("page", 1),
                Listed("representatives", 1), Listed("shared", 1), Listed("trade", 1),
                Listed("was", 1), Listed("well", 1), Listed("who", 1)}));

  const std::string locked = testing::TestDataPath("documents/encrypted.pdf");
  const CliRun refused = Steps({"open", locked});
  EXPECT_EQ(refused.err, "message: " + locked + " 已加密（有密码保护），无法读取其中的文字\n");
}

TEST_F(SessionStepsTest, ADictLoadingFailureIsReportedButTheStepsStillRun) {
  std::filesystem::remove(dict_ + "/2.dat");
  const std::string text = folder_.Write("doc.txt", "the cat\r\n");
  const CliRun run = Steps({"open", text, "show-irregular"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "error: " + testing::MissingFileMessage(dict_ + "/2.dat") + ".\n");
  // The stop list comes after 2.dat, so "the" is counted.
  EXPECT_THAT(run.out, StartsWith("该文档共有单词数：2\n该文档出现过不同单词数：2\n"
                                  "该文档停用不同单词数：0\n"));
  EXPECT_THAT(run.out, HasSubstr("\n\nwent\ngo\n"));
}

TEST_F(SessionStepsTest, ABrokenDictTableIsNamedInItsError) {
  folder_.Write("dict/3.dat",
                "\x02\x02\x01\x06\x01"
                "a");  // two entries promised, one cut off
  const CliRun run = Steps({"show-irregular"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "error: " + dict_ + "/3.dat: Stream read error.\n");
}

TEST(WordFormCommandsTest, BaseFormAndRootPrintOneWordALine) {
  testing::TempFolder folder;
  const std::string dict =
      testing::WriteDict(folder, {{}, {"went", "go"}, {"hope"}, {"this"}, {"call"}, {"the"}});
  const CliRun base =
      RunWith({"--dict", dict, "base-form", "studied", "went", "walked", "the", "go"});
  EXPECT_EQ(base.status, 0) << base.err;
  EXPECT_EQ(base.out, "study\ngo\nwalk\nthe\ngo\n");
  const CliRun root = RunWith({"--dict", dict, "root", "hopeful", "this", "kindness"});
  EXPECT_EQ(root.status, 0) << root.err;
  EXPECT_EQ(root.out, "hope\nthis\nkind\n");
  EXPECT_EQ(RunWith({"--dict", dict, "base-form"}).err,
            "error: expected at least 1 word, got 0.\n");
  EXPECT_THAT(RunWith({"--help"}).out, HasSubstr("show-double"));
}

TEST(CliPortTest, MessagesGoToStandardErrorAndDialogsGetTheStepsAnswer) {
  std::ostringstream err;
  CliPort port(err);
  port.ShowMessage("统计结束\r请点击\r\n!");
  EXPECT_EQ(err.str(), "message: 统计结束\n请点击\n!\n");
  EXPECT_FALSE(port.AskSaveFile({}));
  port.SetDialogAnswer(DialogChoice{"words", 2});
  const auto answer = port.AskSaveFile({"a|*.a|b|*.b", ""});
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->file_name, "words");
  EXPECT_EQ(answer->filter_index, 2);
}

}  // namespace
}  // namespace tarn::cli
