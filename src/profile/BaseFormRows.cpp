#include "profile/BaseFormRows.h"

#include <algorithm>

namespace tarn {

namespace {

// Sorts `values` in four passes of 16 bits each, least significant first.
void RadixSort(std::vector<uint64_t>& values) {
  std::vector<uint64_t> other(values.size());
  for (int shift = 0; shift < 64; shift += 16) {
    std::vector<uint32_t> starts(65537, 0);
    for (const uint64_t value : values) ++starts[(value >> shift & 0xFFFF) + 1];
    for (size_t digit = 1; digit < starts.size(); ++digit) starts[digit] += starts[digit - 1];
    for (const uint64_t value : values) other[starts[value >> shift & 0xFFFF]++] = value;
    values.swap(other);
  }
}

}  // namespace

void BaseFormRows::Sort() { RadixSort(pairs_); }

void BaseFormRows::Merge(BaseFormRows&& other) {
  std::vector<uint64_t> merged(pairs_.size() + other.pairs_.size());
  std::merge(pairs_.begin(), pairs_.end(), other.pairs_.begin(), other.pairs_.end(),
             merged.begin());
  pairs_.swap(merged);
}

std::vector<int64_t> BaseFormRows::CountPerRow(size_t rows) const {
  std::vector<int64_t> counts(rows, 0);
  for (size_t i = 0; i < pairs_.size(); ++i) {
    if (i > 0 && pairs_[i] == pairs_[i - 1]) continue;
    const size_t row = pairs_[i] & 0xF;
    if (row < rows) ++counts[row];
  }
  return counts;
}

}  // namespace tarn
