#include <algorithm>
#include <numeric>

#include "wordtable/ExchangeOrder.h"
#include "wordtable/Hashtable.h"
#include "wordtable/WordIndex.h"

namespace tarn {
namespace {

// Dense ranks of the items for `mode` (0 = the value every other value yields to), or an empty
// vector for a mode that orders nothing.
std::vector<uint32_t> RanksFor(const std::vector<THashItem*>& items, int32_t mode,
                               uint32_t& rank_count) {
  const size_t n = items.size();
  std::vector<uint32_t> by_value(n);
  std::iota(by_value.begin(), by_value.end(), 0u);
  auto same = [&](uint32_t a, uint32_t b) {
    return mode <= 2 ? items[a]->Count == items[b]->Count : items[a]->Key == items[b]->Key;
  };
  switch (mode) {
    case 1:
      std::sort(by_value.begin(), by_value.end(),
                [&](uint32_t a, uint32_t b) { return items[a]->Count < items[b]->Count; });
      break;
    case 2:
      std::sort(by_value.begin(), by_value.end(),
                [&](uint32_t a, uint32_t b) { return items[a]->Count > items[b]->Count; });
      break;
    case 3:
      std::sort(by_value.begin(), by_value.end(),
                [&](uint32_t a, uint32_t b) { return items[a]->Key > items[b]->Key; });
      break;
    case 4:
      std::sort(by_value.begin(), by_value.end(),
                [&](uint32_t a, uint32_t b) { return items[a]->Key < items[b]->Key; });
      break;
    default:
      return {};
  }
  std::vector<uint32_t> ranks(n);
  uint32_t rank = 0;
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && !same(by_value[i - 1], by_value[i])) ++rank;
    ranks[by_value[i]] = rank;
  }
  rank_count = n == 0 ? 0 : rank + 1;
  return ranks;
}

}  // namespace

void THashTable::Sort(int32_t mode) {
  std::vector<THashItem*> items;
  items.reserve(item_count_);
  for (THashItem* head : buckets_) {
    for (THashItem* item = head; item != nullptr; item = item->Next) items.push_back(item);
  }
  uint32_t rank_count = 0;
  const std::vector<uint32_t> ranks = RanksFor(items, mode, rank_count);
  if (ranks.empty()) return;
  const std::vector<int32_t> order = ExchangeSortOrder(ranks, rank_count);

  bool moved = false;
  for (size_t p = 0; p < order.size() && !moved; ++p) moved = order[p] != static_cast<int32_t>(p);
  if (!moved) return;
  std::vector<std::u16string> keys(items.size());
  std::vector<int64_t> counts(items.size());
  for (size_t p = 0; p < items.size(); ++p) {
    keys[p] = std::move(items[order[p]]->Key);
    counts[p] = items[order[p]]->Count;
  }
  for (size_t p = 0; p < items.size(); ++p) {
    items[p]->Key = std::move(keys[p]);
    items[p]->Count = counts[p];
  }
  // Keys now stand outside their chains; lookups walk the chains from here on.
  indexed_ = false;
  index_->Clear();
}

}  // namespace tarn
