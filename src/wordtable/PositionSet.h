#pragma once

#include <cstdint>
#include <vector>

namespace tarn {

// A set of positions 0..n-1 (a Fenwick tree) that counts members below a position and finds the
// k-th smallest member, both in O(log n).
class PositionSet {
 public:
  explicit PositionSet(int32_t n);

  // Adds `position`, which must not be a member yet.
  void Insert(int32_t position);
  // Number of members smaller than `position`.
  int32_t CountBelow(int32_t position) const;
  // The member with `k` smaller members (0 <= k < Size()).
  int32_t Select(int32_t k) const;
  // Number of members.
  int32_t Size() const { return size_; }

 private:
  std::vector<int32_t> tree_;
  int32_t top_bit_ = 1;
  int32_t size_ = 0;
};

}  // namespace tarn
