#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "corpus/CorpusCount.h"
#include "corpus/PartialCount.h"

namespace tarn {

// Partial counts merged one after another into the count of the whole corpus: the same count,
// tally, texts and skipped files, as counting all their texts in that order.
class PartialMerge {
 public:
  // Adds `partial` after the partials added before it. Throws Error naming its file when it
  // lists a word twice or would take the corpus's running words past 64 bits; the merge is of
  // no use after that.
  void Add(const PartialCount& partial);
  // Reads the partial count files `paths` (ReadPartialCount), `threads` at a time, and adds them
  // in that order. Throws Error as those two do.
  void AddFiles(const std::vector<std::string>& paths, size_t threads);

  // Hands over the merged count.
  CorpusCount Take() { return std::move(count_); }

 private:
  CorpusCount count_;
  // By word index: the number of the last partial that listed the word.
  std::vector<uint32_t> listed_by_;
  uint32_t partials_ = 0;
};

}  // namespace tarn
