#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/DictSteps.h"
#include "morphology/DictFixture.h"
#include "support/TempFolder.h"
#include "text/Lines.h"
#include "wordlists/TextWordList.h"

namespace tarn::cli {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// The folder of the test program, where the build puts the shipped dict folder and samples.
std::string ProgramFolder() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

// The lines of `text` (LF line ends) after the first empty line, where the text view starts.
std::vector<std::string> ViewLines(const std::string& text) {
  return LinesOf(text.substr(text.find("\n\n") + 2));
}

// The fields of a line, split at TAB.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
  return fields;
}

// The words of a listing in the text view.
std::vector<std::string> ListedWords(const std::string& text) {
  std::vector<std::string> words;
  for (const std::string& line : ViewLines(text)) words.push_back(line.substr(0, line.find(' ')));
  return words;
}

TEST(ProfileStepsTest, TheSampleProfileAddsUpAndTheWordsBeyondALevelAreNewToIt) {
  const std::string sample = ProgramFolder() + "/samples/sherlock.txt";
  const CliRun profile = RunWith({"open", sample, "profile"});
  ASSERT_EQ(profile.status, 0) << profile.err;
  const std::vector<std::string> lines = ViewLines(profile.out);
  ASSERT_EQ(lines.size(), 15u);  // header, 11 rows, empty line, two verdicts
  EXPECT_EQ(lines[0], "等级\t不同词数\t词次\t比例\t累计比例");
  int tenths = 0;
  std::vector<std::string> labels;
  for (size_t i = 1; i <= 11; ++i) {
    const std::vector<std::string> fields = Fields(lines[i]);
    ASSERT_EQ(fields.size(), 5u) << lines[i];
    labels.push_back(fields[0]);
    const std::string share = fields[3];
    tenths += std::stoi(share.substr(0, share.find('.'))) * 10 + (share[share.find('.') + 1] - '0');
  }
  EXPECT_EQ(tenths, 1000);
  EXPECT_THAT(labels, ElementsAre("功能词", "专有名词", "中考", "高考", "四级", "六级", "考研",
                                  "雅思", "托福", "GRE", "超纲词"));
  EXPECT_THAT(Fields(lines[11]).back(), "100.0%");
  EXPECT_EQ(lines[12], "");
  EXPECT_THAT(lines[13], StartsWith("95%\t"));
  EXPECT_THAT(lines[14], StartsWith("98%\t"));

  const CliRun beyond = RunWith({"open", sample, "beyond", "四级"});
  ASSERT_EQ(beyond.status, 0) << beyond.err;
  std::set<std::string> known;
  for (const std::string& word : ReadTextLines(ProgramFolder() + "/dict/levels/exam-3-cet4.txt")) {
    known.insert(word);
  }
  const std::vector<std::string> names = ListedWords(RunWith({"open", sample, "names"}).out);
  const std::vector<std::string> words = ListedWords(beyond.out);
  EXPECT_GT(words.size(), 100u);
  for (const std::string& word : words) {
    EXPECT_EQ(known.count(word), 0u) << word;
    EXPECT_THAT(names, ::testing::Not(::testing::Contains(word)));
  }
  EXPECT_THAT(beyond.out, HasSubstr("超出四级的生词总数："));
}

class ProfileStepsDictTest : public DictStepsTest {
 protected:
  void SetUp() override {
    dict_ = testing::WriteDict(folder_, {{}, {}, {}, {}, {}, {"the"}});
    std::filesystem::create_directories(dict_ + "/levels");
    WriteTextLines(dict_ + "/levels/exam-1-zk.txt", {"cat"});
    WriteTextLines(dict_ + "/levels/exam-3-cet4.txt", {"cat", "castle"});
    text_ = folder_.Write("doc.txt", "the cat castle dragon\r\n");
  }
};

TEST_F(ProfileStepsDictTest, MissingListsAreNamedAndTheOtherLevelsStillWork) {
  const CliRun run = Steps({"open", text_, "profile", "exam"});
  EXPECT_EQ(run.status, 0);
  EXPECT_THAT(run.err, HasSubstr("message: 无法读取等级词表“" + dict_ + "/levels/exam-2-gk.txt”"));
  const std::vector<std::string> lines = ViewLines(run.out);
  EXPECT_THAT(lines, ElementsAre("等级\t不同词数\t词次\t比例\t累计比例",
                                 "功能词\t1\t1\t25.0%\t25.0%", "专有名词\t0\t0\t0.0%\t25.0%",
                                 "中考\t1\t1\t25.0%\t50.0%", "四级\t1\t1\t25.0%\t75.0%",
                                 "超纲词\t1\t1\t25.0%\t100.0%", "", "95%\t超纲词", "98%\t超纲词"));
}

TEST_F(ProfileStepsDictTest, LevelsProfileOptionsAndErrors) {
  const CliRun levels = Steps({"levels"});
  EXPECT_THAT(ViewLines(levels.out)[0], "exam\t中考\t" + dict_ + "/levels/exam-1-zk.txt");
  EXPECT_THAT(ViewLines(levels.out).back(), "freq\tK10\t" + dict_ + "/levels/freq-k10.txt");
  EXPECT_EQ(ViewLines(levels.out).size(), 18u);

  // The ladder is optional, and a following step is not taken for it.
  EXPECT_THAT(Steps({"open", text_, "profile", "freq"}).err, HasSubstr("freq-k01.txt"));
  EXPECT_THAT(Steps({"open", text_, "profile", "all"}).out, HasSubstr("cat"));
  EXPECT_THAT(Steps({"open", text_, "beyond", "exam-1-zk"}).out, HasSubstr("castle"));

  const CliRun early = Steps({"profile", "beyond", "四级"});
  EXPECT_EQ(early.status, 0);
  EXPECT_EQ(early.err, "message: 请打开一个文件进行分析！\nmessage: 请打开一个文件进行分析！\n");

  const CliRun unknown = Steps({"open", text_, "beyond", "五级"});
  EXPECT_EQ(unknown.status, 1);
  EXPECT_THAT(unknown.err, HasSubstr("error: 没有名为“五级”的等级；可用的等级：中考、高考、四级"));
  EXPECT_THAT(unknown.err, HasSubstr("K10"));
}

}  // namespace
}  // namespace tarn::cli
