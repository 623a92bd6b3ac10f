#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "analysis/CountedWords.h"
#include "analysis/StatisticsState.h"
#include "corpus/CorpusFiles.h"
#include "corpus/CorpusTally.h"

namespace tarn {

// What a corpus run leaves beside the statistics of one document: how many texts were counted,
// which were skipped, and how each word spreads over the texts.
class CorpusStatistics {
 public:
  // No corpus.
  CorpusStatistics() = default;
  // The corpus counted as the state's run number `run`: its words in first-seen order (shared
  // with the name evidence) and their spread in the same order.
  CorpusStatistics(uint64_t run, std::shared_ptr<const CountedWords> words,
                   WordSpreads spread, size_t texts, std::vector<SkippedText> skipped)
      : run_(run),
        words_(std::move(words)),
        spread_(std::move(spread)),
        texts_(texts),
        skipped_(std::move(skipped)) {}

  // Whether these are the statistics of the last run of `state`.
  bool DescribesLastRun(const StatisticsState& state) const {
    return words_ != nullptr && state.completed_runs == run_;
  }
  // The spread of each of the `count` counted words (lower case, code page 936) into `spreads`,
  // zeros for a word the corpus does not have. The words are looked up a batch at a time, their
  // reads overlapping.
  void SpreadsOf(const std::string_view* words, size_t count, WordSpread* spreads) const;
  // Number of texts counted.
  size_t Texts() const { return texts_; }
  // The files and folders skipped, in the order met.
  const std::vector<SkippedText>& Skipped() const { return skipped_; }

 private:
  uint64_t run_ = 0;
  std::shared_ptr<const CountedWords> words_;
  WordSpreads spread_;
  size_t texts_ = 0;
  std::vector<SkippedText> skipped_;
};

}  // namespace tarn
