#include "wordtable/PositionSet.h"

namespace tarn {

PositionSet::PositionSet(int32_t n) : tree_(n + 1, 0) {
  while (top_bit_ * 2 <= n) top_bit_ *= 2;
}

void PositionSet::Insert(int32_t position) {
  const int32_t n = static_cast<int32_t>(tree_.size()) - 1;
  for (int32_t i = position + 1; i <= n; i += i & -i) ++tree_[i];
  ++size_;
}

int32_t PositionSet::CountBelow(int32_t position) const {
  int32_t count = 0;
  for (int32_t i = position; i > 0; i -= i & -i) count += tree_[i];
  return count;
}

int32_t PositionSet::Select(int32_t k) const {
  const int32_t n = static_cast<int32_t>(tree_.size()) - 1;
  int32_t at = 0;
  for (int32_t step = top_bit_; step > 0; step /= 2) {
    if (at + step <= n && tree_[at + step] <= k) {
      at += step;
      k -= tree_[at];
    }
  }
  return at;  // `at` is the 1-based index of the last slot below the member, so its position.
}

}  // namespace tarn
