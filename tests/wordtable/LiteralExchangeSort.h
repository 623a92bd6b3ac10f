#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "wordtable/Hashtable.h"

namespace tarn::testing {

// One position's movable content: the key and the count.
using KeyCount = std::pair<std::u16string, int64_t>;

// The (Key, Count) pairs of `table` in traversal order.
inline std::vector<KeyCount> TraversalOf(const THashTable& table) {
  std::vector<KeyCount> out;
  table.ForEach([&](const THashItem& item) { out.emplace_back(item.Key, item.Count); });
  return out;
}

// The exchange sort exactly as defined, N(N-1)/2 comparisons: for every p and every later q,
// exchange when q's value beats p's current value. The reference the fast sort must match.
inline void LiteralExchangeSort(std::vector<KeyCount>& items, int32_t mode) {
  auto beats = [mode](const KeyCount& q, const KeyCount& p) {
    switch (mode) {
      case 1:
        return q.second < p.second;
      case 2:
        return q.second > p.second;
      case 3:
        return q.first > p.first;
      case 4:
        return q.first < p.first;
      default:
        return false;
    }
  };
  for (size_t p = 0; p < items.size(); ++p) {
    for (size_t q = p + 1; q < items.size(); ++q) {
      if (beats(items[q], items[p])) std::swap(items[p], items[q]);
    }
  }
}

}  // namespace tarn::testing
