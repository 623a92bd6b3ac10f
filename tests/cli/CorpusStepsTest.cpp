#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/DictSteps.h"
#include "morphology/DictFixture.h"

namespace tarn::cli {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class CorpusStepsTest : public DictStepsTest {
 protected:
  void SetUp() override {
    dict_ = testing::WriteDict(folder_, {{"lamp"}, {"went", "go"}, {}, {}, {}, {"the"}});
    fs::create_directories(folder_ / "books/later");
    books_ = {folder_.Write("books/a.txt", "The lamp went out. Holmes went home.\n"),
              folder_.Write("books/b.txt", "Watson and Holmes. The lamp, the lamp!\n"),
              folder_.Write("books/later/c.txt", "Mr. Holmes went to see Watson go.\n")};
  }

  std::vector<std::string> books_;
};

// The corpus's counts are the sums of the books' own listings, its ranges the number of books
// holding each word, on one thread or two.
TEST_F(CorpusStepsTest, CountsAreTheBooksSumsAndRangesTheBooksHoldingEachWord) {
  std::map<std::string, int64_t> sums;
  std::map<std::string, int> ranges;
  for (const std::string& book : books_) {
    for (const std::string& line : LinesOf(TextView(Steps({"open", book}).out))) {
      const std::string word = line.substr(0, line.find(' '));
      sums[word] += std::stoll(line.substr(line.find('\t') + 1));
      ++ranges[word];
    }
  }
  const CliRun one = Steps({"--jobs", "1", "corpus", folder_ / "books", "corpus-listing"});
  ASSERT_EQ(one.status, 0) << one.err;
  const std::vector<std::string> lines = LinesOf(TextView(one.out));
  EXPECT_EQ(lines.size(), sums.size());
  for (const std::string& line : lines) {
    std::vector<std::string> columns;
    std::istringstream in(line);
    for (std::string column; std::getline(in, column, '\t');) columns.push_back(column);
    ASSERT_EQ(columns.size(), 4u) << line;
    const std::string& word = columns[0];
    EXPECT_EQ(std::stoll(columns[1]), sums[word]) << line;
    EXPECT_EQ(std::stoi(columns[2]), ranges[word]) << line;
  }
  EXPECT_THAT(one.out, HasSubstr("holmes\t3\t3\t0.000\n"));
  EXPECT_THAT(one.out, HasSubstr("该语料共有文本数：3\n未能统计的文件数：0\n"));
  const CliRun two = Steps({"--jobs", "2", "corpus", folder_ / "books", "corpus-listing"});
  EXPECT_EQ(two.out, one.out);
}

// A corpus of one document is that document in every view; the summary, which a view does
// not always replace, also says how many texts there were.
TEST_F(CorpusStepsTest, ACorpusOfOneIsTheDocumentInEveryView) {
  for (std::vector<std::string> steps :
       {std::vector<std::string>{"all"}, {"filtered"}, {"merged"}, {"filtered-merged", "roots"},
        {"all", "freq-desc"}, {"merged", "word-asc"}, {"names"}, {"profile"}}) {
    std::vector<std::string> opened = steps;
    opened.insert(opened.begin(), {"open", books_[1]});
    steps.insert(steps.begin(), {"corpus", books_[1]});
    const CliRun corpus = Steps(steps);
    EXPECT_EQ(corpus.status, 0) << corpus.err;
    EXPECT_EQ(TextView(corpus.out), TextView(Steps(opened).out)) << steps.back();
  }
}

// The paths run up to the next step's name; the step's errors are the runner's.
TEST_F(CorpusStepsTest, PathsRunUpToTheNextStep) {
  const CliRun both = Steps({"corpus", books_[0], books_[1], "corpus-listing"});
  EXPECT_THAT(both.out, HasSubstr("该语料共有文本数：2\n"));
  EXPECT_EQ(Steps({"corpus", "all"}).err, "error: step \"corpus\" needs PATH...\n");
  EXPECT_EQ(Steps({"--jobs", "0", "corpus", books_[0]}).err,
            "error: option \"--jobs\" needs a whole number from 1 to 256.\n");
  EXPECT_EQ(RunWith({"--jobs", "2", "read-list", books_[0]}).err,
            "error: option \"--jobs\" applies to steps only.\n");
  // After another run the corpus listing has no corpus to show.
  const CliRun stale = Steps({"corpus", books_[0], "open", books_[1], "corpus-listing"});
  EXPECT_THAT(stale.err, HasSubstr("message: 请先打开多个文件并统计！"));
}

// Bad texts are named on standard error and skipped; a corpus with nothing to count fails.
TEST_F(CorpusStepsTest, BadTextsAreNamedAndSkipped) {
  const std::string empty = folder_.Write("books/empty.txt", "");
  const std::string binary = folder_.Write("books/data.txt", std::string("\x7f" "ELF\0\0", 6));
  fs::create_directory_symlink(folder_ / "books", folder_ / "books/later/loop");
  fs::create_directories(folder_ / "nothing");
  const CliRun run = Steps({"corpus", folder_ / "books", folder_ / "nothing", "corpus-listing"});
  EXPECT_EQ(run.status, 0);
  for (const std::string& named :
       {empty, binary, folder_ / "books/later/loop", folder_ / "nothing"}) {
    EXPECT_THAT(run.err, HasSubstr("“" + named + "”")) << named;
  }
  EXPECT_THAT(run.out, HasSubstr("未能统计的文件数：4\n"));
  const CliRun none = Steps({"corpus", empty});
  EXPECT_EQ(none.status, 1);
  EXPECT_THAT(none.err, HasSubstr("error: 没有可以统计的文档"));
}

}  // namespace
}  // namespace tarn::cli
