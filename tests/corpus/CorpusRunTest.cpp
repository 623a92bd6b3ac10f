#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "analysis/RunProgress.h"
#include "analysis/WordStreamCounter.h"
#include "corpus/CorpusFiles.h"
#include "corpus/CorpusListing.h"
#include "corpus/CorpusRun.h"
#include "corpus/CorpusText.h"
#include "support/FakeUserPort.h"
#include "support/TempFolder.h"
#include "wordtable/Hashtable.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

// A word of letters for the number `n`: words hold no digits.
std::string WordFor(const char* stem, int n) {
  std::string word = stem;
  do {
    word += static_cast<char>('a' + n % 26);
    n /= 26;
  } while (n > 0);
  return word;
}

class CorpusRunTest : public ::testing::Test {
 protected:
  CorpusRunTest() { stop_words_.AddCount(u"the", 1); }

  // Runs the corpus on `threads` threads with the stop word "the".
  CorpusStatistics Run(const std::vector<std::string>& paths, size_t threads) {
    CorpusRun run(state_, stop_words_, port_);
    run.SetConversion(settings_);
    return run.Run(paths, threads);
  }

  testing::TempFolder folder_;
  THashTable stop_words_{256};
  StatisticsState state_;
  testing::FakeUserPort port_;
  ConversionSettings settings_;
};

// Texts of many batches, counted on one thread or several, merge into the same listing, and
// the corpus listing carries range and DP beside the counts.
TEST_F(CorpusRunTest, TheSameStatisticsOnAnyNumberOfThreads) {
  std::vector<std::string> paths;
  for (int i = 0; i < 9; ++i) {
    std::string text;
    for (int line = 0; line < 3000 * (i % 3 + 1); ++line) {
      text += WordFor("word", line % (50 + i)) + " " + WordFor("Text", i) + " the\n";
    }
    paths.push_back(folder_.Write("t" + std::to_string(i) + ".txt", text));
  }
  std::vector<std::string> outputs;
  std::string listing;
  for (size_t threads : {1u, 2u, 5u}) {
    const CorpusStatistics corpus = Run(paths, threads);
    EXPECT_EQ(corpus.Texts(), 9u);
    listing = CorpusListingText(*state_.WordTable, corpus);
    outputs.push_back(state_.summary_label + state_.text_view + listing);
  }
  // Every row has its own word's range, whichever batch of lookups it fell in: the word for n is
  // in the texts i with n < 50 + i.
  std::map<std::string, std::string> ranges;
  for (size_t at = 0, end; (end = listing.find('\r', at)) != std::string::npos; at = end + 1) {
    const std::string row = listing.substr(at, end - at);
    const size_t word_end = row.find('\t');
    const size_t count_end = row.find('\t', word_end + 1);
    ranges[row.substr(0, word_end)] =
        row.substr(count_end + 1, row.find('\t', count_end + 1) - count_end - 1);
  }
  EXPECT_EQ(ranges.size(), 58u + 9u);
  for (int n = 0; n < 58; ++n) {
    EXPECT_EQ(ranges[WordFor("word", n)], std::to_string(n < 50 ? 9 : 58 - n)) << n;
  }
  EXPECT_EQ(outputs[1], outputs[0]);
  EXPECT_EQ(outputs[2], outputs[0]);
  // Only in a ninth of the running words: DP = 1 - 1/9.
  EXPECT_THAT(outputs[0], HasSubstr("texte\t6000\t1\t0.889"));
  EXPECT_THAT(outputs[0], Not(HasSubstr("the\t")));
  EXPECT_THAT(outputs[0], HasSubstr("该语料共有文本数：9\r未能统计的文件数：0"));
}

// Each bad text is named with its reason at the end, the others still count; with nothing left
// to count the run fails and the statistics stay as they were.
TEST_F(CorpusRunTest, BadTextsAreSkippedByNameAndListedAtTheEnd) {
  const std::string good = folder_.Write("good.txt", "apple pear apple\n");
  const std::string empty = folder_.Write("empty.txt", "");
  const std::string binary = folder_.Write("data.txt", std::string("PK\0\3 binary", 11));
  fs::copy_file(std::string(std::getenv("TARN_TEST_DATA")) + "/documents/real.doc",
                folder_ / "large.doc");
  settings_.word.max_text_bytes = 16;
  const CorpusStatistics corpus =
      Run({good, empty, binary, folder_ / "large.doc", folder_ / "gone.txt"}, 2);
  EXPECT_EQ(corpus.Texts(), 1u);
  EXPECT_EQ(state_.TotalWords, 3);
  ASSERT_EQ(port_.messages.size(), 1u);
  EXPECT_THAT(port_.messages[0], HasSubstr("以下 4 项没有统计"));
  for (const std::string& named : {empty, binary, folder_ / "large.doc", folder_ / "gone.txt"}) {
    EXPECT_THAT(port_.messages[0], HasSubstr(named));
  }
  EXPECT_THAT(port_.messages[0], HasSubstr("“" + binary + "”不是文本文件（含有零字节）"));
  EXPECT_THAT(port_.messages[0], HasSubstr("“" + empty + "”中没有文字"));

  const std::string before = state_.text_view;
  port_.messages.clear();
  EXPECT_THROW(Run({empty, folder_ / "gone.txt"}, 2), Error);
  EXPECT_EQ(state_.text_view, before);
  EXPECT_TRUE(corpus.DescribesLastRun(state_));
  EXPECT_THAT(port_.messages, ElementsAre(HasSubstr("以下 2 项没有统计")));
}

// The progress of a corpus run ends at its totals, a skipped file's bytes included, and the run
// in two halves leaves what the whole run leaves; a cancelled run throws and the statistics of
// the run before stay as they were.
TEST_F(CorpusRunTest, ProgressEndsAtItsTotalsAndACancelChangesNothing) {
  std::string long_text;
  while (long_text.size() < 300000) long_text += "apple pear the plum\n";
  const std::vector<std::string> paths = {folder_.Write("long.txt", long_text),
                                          folder_.Write("short.txt", "fig apple\n"),
                                          folder_.Write("data.txt", std::string("\0\1\2", 3))};
  Run(paths, 2);
  const std::string whole = state_.summary_label + state_.text_view;

  RunProgress progress;
  CorpusRun run(state_, stop_words_, port_);
  const CorpusStatistics corpus = run.Show(run.Count(paths, 2, &progress));
  EXPECT_EQ(state_.summary_label + state_.text_view, whole);
  const RunProgress::Figures figures = progress.Now();
  EXPECT_EQ(figures.files_done, 3u);
  EXPECT_EQ(figures.files_total, 3u);
  EXPECT_EQ(figures.bytes_done, long_text.size() + 10 + 3);
  EXPECT_EQ(figures.bytes_total, figures.bytes_done);

  RunProgress cancelled;
  cancelled.Cancel();
  EXPECT_THROW(run.Count(paths, 2, &cancelled), RunCancelled);
  EXPECT_EQ(state_.summary_label + state_.text_view, whole);
  EXPECT_TRUE(corpus.DescribesLastRun(state_));
}

// A cancel while a text is read stops it with RunCancelled, never with a skipped text: a text
// file at its next block, a converted document once its reader returns.
TEST_F(CorpusRunTest, ACancelDuringATextIsNoFailureOfTheText) {
  const std::string data = std::getenv("TARN_TEST_DATA");
  for (const std::string& path : {data + "/documents/same-book.txt",
                                  data + "/documents/same-book.html"}) {
    SCOPED_TRACE(path);
    RunProgress run;
    FileProgress file(&run, path, 100);
    run.Cancel();
    WordStreamCounter counter(true);
    EXPECT_THROW(CountCorpusDocument(path, settings_, counter, &file), RunCancelled);
  }
}

// A file listed with its folder and gone before it is counted is a failure that names it.
TEST_F(CorpusRunTest, AFileThatDisappearsIsNamed) {
  folder_.Write("books/a.txt", "");
  fs::create_directories(folder_ / "books");
  const std::string path = folder_.Write("books/a.txt", "apple\n");
  const CorpusFiles files = ListCorpusFiles({folder_ / "books"});
  ASSERT_THAT(files.files, ElementsAre(path));
  fs::remove(path);
  WordStreamCounter counter(true);
  EXPECT_THAT(CountCorpusDocument(path, settings_, counter),
              HasSubstr("Cannot open file \"" + path + "\". No such file"));
}

}  // namespace
}  // namespace tarn
