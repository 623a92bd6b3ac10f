#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "cli/CliRun.h"
#include "cli/TerminalProgress.h"
#include "morphology/DictFixture.h"
#include "support/TempFolder.h"

namespace tarn::cli {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using namespace std::chrono_literals;

class OutputFormatTest : public ::testing::Test {
 protected:
  OutputFormatTest()
      : dict_(testing::WriteDict(folder_, {{}, {}, {}, {}, {}, {"the", "qu\"o\\te"}})),
        document_(folder_.Write("doc.txt", "The cat saw the cat.\r\n")) {}

  CliRun Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--dict", dict_});
    return RunWith(args);
  }

  testing::TempFolder folder_;
  std::string dict_;
  std::string document_;
};

TEST_F(OutputFormatTest, TsvIsTheListingWithoutPadding) {
  const CliRun plain = Run({"open", document_});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_THAT(plain.out, EndsWith("\ncat                 \t2\nsaw                 \t1\n"));
  const CliRun tsv = Run({"--format", "tsv", "open", document_});
  ASSERT_EQ(tsv.status, 0) << tsv.err;
  EXPECT_EQ(tsv.out, "cat\t2\nsaw\t1\n");
  // A view that is no listing keeps its lines.
  EXPECT_EQ(Run({"--format", "tsv", "open", document_, "show-stop"}).out, "qu\"o\\te\nthe\n");
}

TEST_F(OutputFormatTest, JsonHoldsTheSummaryFiguresAndTheEntries) {
  const CliRun json = Run({"--jobs", "1", "--format", "json", "open", document_});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(json.out,
            "{\n"
            "  \"summary\": [\n"
            "    {\"label\": \"该文档共有单词数\", \"value\": 5},\n"
            "    {\"label\": \"该文档出现过不同单词数\", \"value\": 3},\n"
            "    {\"label\": \"该文档停用不同单词数\", \"value\": 1},\n"
            "    {\"label\": \"该文档停用部分词后不同单词数\", \"value\": 2}\n"
            "  ],\n"
            "  \"entries\": [\n"
            "    {\"word\": \"cat\", \"count\": 2},\n"
            "    {\"word\": \"saw\", \"count\": 1}\n"
            "  ],\n"
            "  \"lines\": [\n"
            "  ]\n"
            "}\n");
  // The option goes before the steps, never among them.
  EXPECT_EQ(Run({"open", document_, "--format", "json", "show-stop"}).status, 1);
  // Other lines of the view are strings, escaped; an empty summary is an empty list.
  const CliRun stop = Run({"--format", "json", "open", document_, "show-stop"});
  EXPECT_THAT(stop.out, HasSubstr("\"summary\": [\n  ],"));
  EXPECT_THAT(stop.out, HasSubstr("\"lines\": [\n    \"qu\\\"o\\\\te\",\n    \"the\"\n  ]"));
}

TEST_F(OutputFormatTest, BadFormatOptionsAreRefusedBeforeAnythingRuns) {
  const struct {
    std::vector<std::string> args;
    const char* error;
  } cases[] = {
      {{"--format", "xml", "open", "doc.txt"}, "is one of tsv|json, not \"xml\""},
      {{"--format", "tsv", "--format", "json", "all"}, "\"--format\" is given twice"},
      {{"--format", "tsv", "read-list", "x.txt"}, "\"--format\" applies to steps only"},
      {{"--format"}, "\"--format\" needs a value"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunWith(c.args);
    EXPECT_EQ(run.status, 1) << c.error;
    EXPECT_EQ(run.out, "") << c.error;
    EXPECT_THAT(run.err, HasSubstr(c.error));
  }
}

// The progress is for a person watching: it never changes what the steps print.
TEST_F(OutputFormatTest, ProgressGoesToStandardErrorOnlyWhenAskedFor) {
  const std::string second = folder_.Write("second.txt", "A dog saw a cat.\r\n");
  const std::vector<std::string> args = {"--dict", dict_, "corpus", document_, second};
  std::istringstream in;
  std::ostringstream quiet_out, quiet_err, shown_out, shown_err;
  ASSERT_EQ(RunCli(args, in, quiet_out, quiet_err, false), 0) << quiet_err.str();
  ASSERT_EQ(RunCli(args, in, shown_out, shown_err, true), 0) << shown_err.str();
  EXPECT_EQ(shown_out.str(), quiet_out.str());
  EXPECT_THAT(quiet_err.str(), Not(HasSubstr("\r")));
}

TEST(TerminalProgressTest, RewritesOneLineWhileTheCountingRunsAndClearsIt) {
  std::ostringstream err;
  const CountingHost host = TerminalProgress(err, 0ms, 5ms);
  host([](RunProgress* progress) {
    progress->Begin(2, 3'000'000);
    std::this_thread::sleep_for(60ms);
  });
  EXPECT_THAT(err.str(), HasSubstr("\r\033[K0/2 files, 0.0/3.0 MB (0 %)"));
  EXPECT_THAT(err.str(), EndsWith("\r\033[K"));
}

TEST(TerminalProgressTest, AShortRunShowsNothingAndAFailureComesThrough) {
  std::ostringstream err;
  TerminalProgress(err, 10s)([](RunProgress*) {});
  EXPECT_EQ(err.str(), "");
  EXPECT_THROW(TerminalProgress(err, 10s)([](RunProgress*) { throw std::runtime_error("x"); }),
               std::runtime_error);
  EXPECT_EQ(err.str(), "");
}

TEST(TerminalProgressTest, TheLineShowsTheEndOfALongFileName) {
  RunProgress::Figures figures;
  figures.files_done = 3;
  figures.files_total = 10;
  figures.bytes_done = 120'500'000;
  figures.bytes_total = 500'000'000;
  figures.current_file = "/very/long/folder/name/that/goes/on/and/on/books/book.txt";
  EXPECT_EQ(ProgressLine(figures),
            "3/10 files, 120.5/500.0 MB (24 %): ...me/that/goes/on/and/on/books/book.txt");
  EXPECT_EQ(ProgressLine({}), "0/0 files, 0.0/0.0 MB");
}

}  // namespace
}  // namespace tarn::cli
