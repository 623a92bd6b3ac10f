#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "analysis/CountingRun.h"
#include "analysis/StatisticsState.h"
#include "corpus/CorpusCount.h"
#include "corpus/CorpusStatistics.h"
#include "corpus/CorpusTally.h"
#include "documents/DocumentKinds.h"

namespace tarn {

class RunProgress;
class THashTable;
class UserPort;

// A corpus read and counted by the corpus run, not yet made the statistics.
struct CountedCorpus {
  int64_t start = 0;  // when the run began, on the run's clock
  size_t texts = 0;   // the texts counted
  std::shared_ptr<const CountedWords> words;
  WordSpreads spread;  // in the order of `words`
  std::vector<SkippedText> skipped;
};

// The corpus run: many documents counted as one, each by the file run's rules, several at a
// time, into the word statistics of `state` as if one stream of all their text had been counted.
class CorpusRun {
 public:
  // `stop_words` is read, never changed; the run talks to the user through `port`.
  CorpusRun(StatisticsState& state, const THashTable& stop_words, UserPort& port,
            MillisecondClock clock = SteadyMilliseconds);

  // Replaces the converter program, its time limit and the size caps of the conversions.
  void SetConversion(const ConversionSettings& settings) { conversion_ = settings; }

  // Counts the documents that `paths` stand for (ListCorpusFiles) on `threads` threads and
  // merges them in that order, so that the statistics are the same for any number of threads:
  // the tables, counters, listing and name evidence as the file run leaves them, the summary
  // label's four lines followed by the texts counted and skipped. The skipped files and folders
  // are shown in one message at the end, each with its reason. Returns the range and DP of the
  // words. Throws Error, leaving the state as it was, when no text could be counted.
  CorpusStatistics Run(const std::vector<std::string>& paths, size_t threads);
  // Run in two halves. Count lists, reads and counts, touching neither the statistics nor the
  // port, so that it may run on another thread while the caller waits; it reports to
  // `progress` when there is one, and throws RunCancelled once that is cancelled.
  CountedCorpus Count(const std::vector<std::string>& paths, size_t threads,
                      RunProgress* progress) const;
  // Show, back on the caller's thread, ends the run as Run does and returns what it returns.
  CorpusStatistics Show(CountedCorpus counted);
  // Merges the partial count files `partials` (ReadPartialCount), read `threads` at a time, in
  // the order given, into the statistics that counting all their texts in that order leaves.
  // Throws Error naming the file, leaving the state as it was, when a file cannot be read or
  // breaks the form, or when no text is left.
  CorpusStatistics Merge(const std::vector<std::string>& partials, size_t threads);

 private:
  // Turns `count`, begun at `start`, into the corpus that Show makes the statistics, working
  // out the spread on `threads` threads.
  static CountedCorpus Counted(CorpusCount count, int64_t start, size_t threads);

  StatisticsState& state_;
  UserPort& port_;
  // Counts nothing itself: it turns the merged words into the statistics as a file run would.
  CountingRun run_;
  ConversionSettings conversion_;
};

}  // namespace tarn
