#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarn {

// Where each of a sequence of words ends in the text that holds them one after another, in four
// bytes a word: the low 32 bits of each end, and apart, the few words at which the ends pass
// each further 4 GiB.
class WordEnds {
 public:
  // Adds the end of the next word, no smaller than the last.
  void Add(size_t end) {
    while ((end >> 32) > wraps_.size()) wraps_.push_back(low_.size());
    low_.push_back(static_cast<uint32_t>(end));
  }
  void Reserve(size_t count) { low_.reserve(count); }
  size_t size() const { return low_.size(); }
  // Where word `word` ends.
  size_t operator[](size_t word) const {
    size_t high = 0;
    if (!wraps_.empty()) {
      high = static_cast<size_t>(std::upper_bound(wraps_.begin(), wraps_.end(), word) -
                                 wraps_.begin());
    }
    return (high << 32) | low_[word];
  }
  // Asks for the end of `word` and of the word before it to be brought into cache.
  void Prefetch(size_t word) const { __builtin_prefetch(&low_[word == 0 ? 0 : word - 1]); }

 private:
  std::vector<uint32_t> low_;
  // For each further 4 GiB, the first word whose end passes it.
  std::vector<size_t> wraps_;
};

}  // namespace tarn
