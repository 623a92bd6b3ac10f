#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/DictSteps.h"
#include "morphology/DictFixture.h"
#include "wordlists/FileBytes.h"

namespace tarn::cli {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

// A text of 13 running words (the stop word "the" three times, lamp four, holmes three, went
// twice, out once), the dict's spoken counts (1,000 words, lamp 10 times) and a reference corpus
// of 9 words in two files, lamp once.
class KeywordStepsTest : public DictStepsTest {
 protected:
  void SetUp() override {
    dict_ = testing::WriteDict(folder_, {{}, {}, {}, {}, {}, {"the"}});
    folder_.Write("dict/spoken-counts.txt", "1000\trunning words\nthe\t60\nlamp\t10\nwent\t1\n");
    text_ = folder_.Write(
        "text.txt", "The lamp went out. The lamp, the lamp!\nHolmes lamp holmes HOLMES went.\n");
    fs::create_directories(folder_ / "reference");
    folder_.Write("reference/a.txt", "The lamp is on.\n");
    folder_.Write("reference/b.txt", "A cat and a dog.\n");
  }
};

// Without paths against the dict's spoken counts, with paths against those files counted as a
// corpus, on any number of threads; the lines are the text view's, so an export writes them.
TEST_F(KeywordStepsTest, AgainstTheSpokenCountsOrAReferenceCorpus) {
  const CliRun spoken = Steps({"open", text_, "keywords"});
  ASSERT_EQ(spoken.status, 0) << spoken.err;
  EXPECT_EQ(TextView(spoken.out), "holmes\t3\t0\t26.13\t8.85\nlamp\t4\t10\t18.35\t4.94\n");
  // The summary stays the run's.
  EXPECT_THAT(spoken.out, HasSubstr("该文档共有单词数：13\n"));

  const std::string expected = "holmes\t3\t0\t3.16\t2.05\nlamp\t4\t1\t0.99\t1.47\n";
  for (const char* jobs : {"1", "2"}) {
    const CliRun corpus = Steps({"--jobs", jobs, "open", text_, "keywords", folder_ / "reference"});
    EXPECT_EQ(TextView(corpus.out), expected) << jobs;
  }
  const CliRun files = Steps({"open", text_, "keywords", folder_ / "reference/a.txt",
                              folder_ / "reference/b.txt", "export-txt", folder_ / "out"});
  ASSERT_EQ(files.status, 0) << files.err;
  EXPECT_EQ(ReadFileBytes(folder_ / "out.txt"),
            "holmes\t3\t0\t3.16\t2.05\r\nlamp\t4\t1\t0.99\t1.47\r\n");
}

// The keywords of a corpus are those of its texts counted as one.
TEST_F(KeywordStepsTest, TheKeywordsOfACorpus) {
  const std::string half = folder_.Write("half.txt", "The lamp went out. The lamp, the lamp!\n");
  const std::string rest = folder_.Write("rest.txt", "Holmes lamp holmes HOLMES went.\n");
  EXPECT_EQ(TextView(Steps({"corpus", half, rest, "keywords"}).out),
            TextView(Steps({"open", text_, "keywords"}).out));
}

// Before a counting run the step asks for a document; a missing counts file, a reference that
// cannot be counted or holds no word end the steps with an error naming the file.
TEST_F(KeywordStepsTest, NoDocumentAndBadReferences) {
  const CliRun first = Steps({"keywords"});
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(first.err, "message: 请打开一个文件进行分析！\n");

  const std::string missing = folder_ / "missing.txt";
  const std::string digits = folder_.Write("digits.txt", "12 345\n");
  const std::string counts = folder_ / "dict/spoken-counts.txt";
  fs::create_directories(folder_ / "empty");
  const struct {
    std::vector<std::string> reference;
    std::string error;
  } cases[] = {
      {{missing}, "error: 参照语料中没有可以统计的文档：“" + missing + "”不存在.\n"},
      {{digits}, "error: 参照语料“" + digits + "”中没有单词.\n"},
      {{folder_ / "empty"},
       "error: 参照语料中没有可以统计的文档：文件夹“" + folder_ / "empty" +
           "”中没有可以统计的文档.\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> steps = {"open", text_, "keywords"};
    steps.insert(steps.end(), c.reference.begin(), c.reference.end());
    const CliRun run = Steps(steps);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.error);
  }
  fs::remove(counts);
  const CliRun unshipped = Steps({"open", text_, "keywords"});
  EXPECT_EQ(unshipped.status, 1);
  EXPECT_THAT(unshipped.err, HasSubstr("Cannot open file \"" + counts + "\""));
}

}  // namespace
}  // namespace tarn::cli
