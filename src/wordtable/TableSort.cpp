#include <algorithm>
#include <functional>
#include <utility>

#include "wordtable/ExchangeOrder.h"
#include "wordtable/Hashtable.h"
#include "wordtable/WordIndex.h"

namespace tarn {
namespace {

// Dense ranks of the items for `mode` (0 = the value every other value yields to), or an empty
// vector for a mode that orders nothing. The values are copied out first so that sorting them
// does not chase item pointers.
template <typename Value, typename Better>
std::vector<uint32_t> DenseRanks(std::vector<std::pair<Value, uint32_t>> values, Better better,
                                 uint32_t& rank_count) {
  std::sort(values.begin(), values.end(),
            [&](const auto& a, const auto& b) { return better(a.first, b.first); });
  std::vector<uint32_t> ranks(values.size());
  uint32_t rank = 0;
  for (size_t i = 0; i < values.size(); ++i) {
    if (i > 0 && better(values[i - 1].first, values[i].first)) ++rank;
    ranks[values[i].second] = rank;
  }
  rank_count = values.empty() ? 0 : rank + 1;
  return ranks;
}

std::vector<uint32_t> RanksFor(const std::vector<WordNode*>& items, int32_t mode,
                               uint32_t& rank_count) {
  if (mode == 1 || mode == 2) {
    std::vector<std::pair<int64_t, uint32_t>> counts(items.size());
    for (uint32_t i = 0; i < items.size(); ++i) counts[i] = {items[i]->Count, i};
    if (mode == 1) return DenseRanks(std::move(counts), std::less<int64_t>(), rank_count);
    return DenseRanks(std::move(counts), std::greater<int64_t>(), rank_count);
  }
  if (mode == 3 || mode == 4) {
    std::vector<std::pair<std::u16string_view, uint32_t>> keys(items.size());
    for (uint32_t i = 0; i < items.size(); ++i) keys[i] = {items[i]->Key, i};
    if (mode == 4) return DenseRanks(std::move(keys), std::less<std::u16string_view>(), rank_count);
    return DenseRanks(std::move(keys), std::greater<std::u16string_view>(), rank_count);
  }
  return {};
}

}  // namespace

void THashTable::Sort(int32_t mode) {
  const std::vector<WordNode*> items = Traversal();
  uint32_t rank_count = 0;
  const std::vector<uint32_t> ranks = RanksFor(items, mode, rank_count);
  if (ranks.empty()) return;
  const std::vector<int32_t> order = ExchangeSortOrder(ranks, rank_count);

  // Follow each cycle of the permutation so that every moved item is read and written once.
  bool moved = false;
  std::vector<bool> done(order.size(), false);
  for (size_t start = 0; start < order.size(); ++start) {
    if (done[start] || order[start] == static_cast<int32_t>(start)) continue;
    moved = true;
    // The key's hash travels with it.
    WordNode* const first = items[start];
    std::u16string key = std::move(first->Key);
    const int64_t count = first->Count;
    const uint64_t hash = first->Hash;
    size_t p = start;
    while (static_cast<size_t>(order[p]) != start) {
      done[p] = true;
      WordNode* const to = items[p];
      const WordNode* const from = items[order[p]];
      to->Key = std::move(from->Key);
      to->Count = from->Count;
      to->Hash = from->Hash;
      p = order[p];
    }
    done[p] = true;
    WordNode* const last = items[p];
    last->Key = std::move(key);
    last->Count = count;
    last->Hash = hash;
  }
  if (!moved) return;
  // Keys now stand outside their chains; lookups walk the chains from here on.
  sorted_ = true;
  indexed_ = false;
  index_->Clear();
}

}  // namespace tarn
