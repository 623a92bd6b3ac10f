#include "wordtable/Hashtable.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <unordered_map>
#include <utility>

#include "text/CodePage936.h"
#include "text/DecimalLength.h"
#include "text/Trim.h"
#include "wordtable/NodePool.h"
#include "wordtable/WordIndex.h"

namespace tarn {
namespace {

// Lookups may walk this many chain items, plus half the item count, before the table indexes
// itself: a few lookups in a large fresh table stay cheaper than indexing it.
constexpr int64_t kFreeWalk = 256;

// Chains gathered side by side when a traversal is collected, so that their loads overlap.
constexpr size_t kChainGroup = 16;
// How far ahead of its use an item of a collected traversal is loaded.
constexpr size_t kAhead = 16;

bool SameKey(const std::u16string& stored, std::u16string_view key) {
  return stored.size() == key.size() &&
         std::memcmp(stored.data(), key.data(), key.size() * sizeof(char16_t)) == 0;
}

bool Listed(const THashItem& item) {
  if (item.Count == 0) return false;
  const std::u16string& key = item.Key;
  // Almost every key starts with a letter; only the rest need the full blank test.
  return (!key.empty() && !IsBlank(key[0])) || !IsBlankText(std::u16string_view(key));
}

// Writes `value` in decimal ending just before `end`; `end` - DecimalLength(value) is the start.
template <typename Unit>
void WriteDecimal(Unit* end, int64_t value) {
  // Work on the magnitude as unsigned so the most negative count prints correctly too.
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  do {
    *--end = static_cast<Unit>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--end = u'-';
}

// Loads the item kAhead places on in a pass over collected items. (Loading key text ahead as
// well measured slower: reading the pointer to it stalls on the item.)
void PrefetchAhead(const std::vector<WordNode*>& items, size_t i) {
  if (i + kAhead < items.size()) __builtin_prefetch(items[i + kAhead]);
}

// Walks the `group` (at most kChainGroup) chains headed by heads[first] on in step, so that
// their next items load side by side, calling `visit(size_t k, WordNode* node)` for each item of
// the k-th of them, each chain in its order.
template <typename Visit>
void WalkChainGroup(const std::vector<THashItem*>& heads, size_t first, size_t group,
                    Visit&& visit) {
  THashItem* at[kChainGroup];
  for (size_t k = 0; k < group; ++k) at[k] = heads[first + k];
  for (bool more = true; more;) {
    more = false;
    for (size_t k = 0; k < group; ++k) {
      if (at[k] == nullptr) continue;
      auto* node = static_cast<WordNode*>(at[k]);
      visit(k, node);
      at[k] = node->Next;
      more = true;
    }
  }
}

// The items of the chains [first_chain, last_chain) of those headed by `heads` (with `sizes`
// items each, `total` in those chains) in traversal order, calling `visit(const WordNode*)` for
// each as it is met, the chains walked kChainGroup at a time.
template <typename Visit>
std::vector<WordNode*> GatherChains(const std::vector<THashItem*>& heads,
                                    const std::vector<int32_t>& sizes, size_t first_chain,
                                    size_t last_chain, size_t total, Visit&& visit) {
  std::vector<WordNode*> items(total, nullptr);
  size_t start = 0;
  for (size_t first = first_chain; first < last_chain; first += kChainGroup) {
    const size_t group = std::min(kChainGroup, last_chain - first);
    size_t out[kChainGroup];
    for (size_t k = 0; k < group; ++k) {
      out[k] = start;
      start += static_cast<size_t>(sizes[first + k]);
    }
    WalkChainGroup(heads, first, group, [&](size_t k, WordNode* node) {
      items[out[k]++] = node;
      visit(node);
    });
  }
  return items;
}

}  // namespace

THashTable::THashTable(int32_t bucket_count)
    : buckets_(bucket_count < 1 ? 1 : bucket_count, nullptr),
      tails_(buckets_.size(), nullptr),
      chain_sizes_(buckets_.size(), 0),
      pool_(std::make_unique<NodePool>()),
      index_(std::make_unique<WordIndex>()) {}

THashTable::~THashTable() = default;

uint32_t THashTable::HashOf(std::u16string_view key) const {
  uint32_t h = 0;
  for (char16_t unit : key) h = std::rotl(h, 2) ^ unit;
  return h;
}

uint32_t THashTable::BucketOf(std::u16string_view key) const {
  return HashOf(key) % static_cast<uint32_t>(buckets_.size());
}

WordNode* THashTable::FindNewest(std::u16string_view key) const {
  if (!indexed_ && !sorted_ && walked_ > kFreeWalk + item_count_ / 2) BuildIndex();
  if (indexed_) return index_->Find(key, WordIndex::HashKey(key));
  return WalkChain(key, BucketOf(key));
}

WordNode* THashTable::WalkChain(std::u16string_view key, uint32_t bucket) const {
  int64_t steps = 0;
  WordNode* found = nullptr;
  for (THashItem* item = buckets_[bucket]; item != nullptr; item = item->Next) {
    ++steps;
    if (SameKey(item->Key, key)) {
      found = static_cast<WordNode*>(item);
      break;
    }
  }
  walked_ += steps;
  return found;
}

void THashTable::BuildIndex() const {
  index_->Reserve(static_cast<size_t>(item_count_));
  WordNode* batch[WordIndex::kBatch];
  size_t size = 0;
  auto add = [&](WordNode* node) {
    batch[size++] = node;
    if (size == WordIndex::kBatch) {
      index_->PushBatch(batch, size);
      size = 0;
    }
  };
  // Duplicates must be pushed oldest first. Storage order is creation order until a freed node
  // is reused; then each chain is walked from its tail instead.
  if (pool_->InCreationOrder()) {
    pool_->ForEachLive(add);
  } else {
    for (WordNode* tail : tails_) {
      for (WordNode* node = tail; node != nullptr; node = node->Prev) add(node);
    }
  }
  index_->PushBatch(batch, size);
  indexed_ = true;
}

THashItem** THashTable::FindSlot(std::u16string_view key) {
  const uint32_t bucket = BucketOf(key);
  WordNode* node = FindNewest(key);
  if (node == nullptr)
    node = tails_[bucket];  // the link that ends the chain
  else
    node = node->Prev;
  return node == nullptr ? &buckets_[bucket] : &node->Next;
}

void THashTable::Insert(std::u16string_view key, std::u16string_view value, int64_t count,
                        int32_t mark1, int32_t mark2) {
  WordNode* node = pool_->New();
  node->Key = key;
  if (!value.empty()) node->Value = value;
  node->Count = count;
  node->Mark1 = mark1;
  node->Mark2 = mark2;
  node->Hash = WordIndex::HashKey(key);
  Link(node, BucketOf(key));
  ++item_count_;
  if (indexed_) index_->Push(node);
}

void THashTable::Link(WordNode* node, uint32_t bucket) {
  node->Next = buckets_[bucket];
  if (node->Next != nullptr) {
    static_cast<WordNode*>(node->Next)->Prev = node;
  } else {
    tails_[bucket] = node;
  }
  buckets_[bucket] = node;
  ++chain_sizes_[bucket];
}

void THashTable::Release(WordNode* node, uint32_t bucket) {
  if (indexed_) index_->Pop(node);
  if (node->Prev != nullptr) {
    node->Prev->Next = node->Next;
  } else {
    buckets_[bucket] = node->Next;
  }
  if (node->Next != nullptr) {
    static_cast<WordNode*>(node->Next)->Prev = node->Prev;
  } else {
    tails_[bucket] = node->Prev;
  }
  --chain_sizes_[bucket];
  --item_count_;
  pool_->Free(node);
}

void THashTable::AddPair(std::u16string_view key, std::u16string_view value) {
  Insert(key, value, 0, 0, 0);
}

void THashTable::AddItem(std::u16string_view key, std::u16string_view value, int64_t count,
                         int32_t mark1, int32_t mark2) {
  Insert(key, value, count, mark1, mark2);
}

bool THashTable::AddCount(std::u16string_view key, int64_t n) {
  if (WordNode* node = FindNewest(key)) {
    node->Count += n;
    return true;
  }
  Insert(key, {}, n, 1, 1);
  return false;
}

std::vector<WordNode*> THashTable::Traversal() const {
  return GatherChains(buckets_, chain_sizes_, 0, buckets_.size(), static_cast<size_t>(item_count_),
                      [](const WordNode*) {});
}

template <typename Text, typename AppendKey>
Text THashTable::Listing(int32_t width, AppendKey&& append_key) const {
  // A bound on the length from the items alone (a blank key is counted but not listed), so that
  // the text is allocated once without reading any key text.
  const size_t pad_width = static_cast<size_t>(std::max(width, 0));
  size_t bound = 0;
  const auto add_to_bound = [&](const WordNode* node) {
    if (node->Count == 0) return;
    bound += std::max(node->Key.size(), pad_width) + 2 +
             static_cast<size_t>(DecimalLength(node->Count));
  };
  Text text;
  const auto write = [&](const std::vector<WordNode*>& items) {
    for (size_t i = 0; i < items.size(); ++i) {
      PrefetchAhead(items, i);
      const WordNode& item = *items[i];
      if (!Listed(item)) continue;
      const bool padded = item.Key.size() < pad_width;
      append_key(text, item.Key, padded ? u' ' : u'\t');
      if (padded) text.append(pad_width - item.Key.size(), ' ');
      text.push_back('\t');
      typename Text::value_type digits[24];
      const int length = DecimalLength(item.Count);
      WriteDecimal(digits + length, item.Count);
      text.append(digits, static_cast<size_t>(length));
      text.push_back('\r');
    }
  };
  // Up to this many items, the bound is summed as every item is gathered at once.
  constexpr int32_t kGatheredWhole = 1 << 20;
  if (item_count_ <= kGatheredWhole) {
    const std::vector<WordNode*> items = GatherChains(
        buckets_, chain_sizes_, 0, buckets_.size(), static_cast<size_t>(item_count_), add_to_bound);
    text.reserve(bound);
    write(items);
    return text;
  }
  // A larger table's items would take a pointer each, tens of megabytes: the chains are walked
  // for the bound first, and then gathered a group at a time.
  for (size_t first = 0; first < buckets_.size(); first += kChainGroup) {
    const size_t group = std::min(kChainGroup, buckets_.size() - first);
    WalkChainGroup(buckets_, first, group,
                   [&](size_t, const WordNode* node) { add_to_bound(node); });
  }
  text.reserve(bound);
  for (size_t first = 0; first < buckets_.size(); first += kChainGroup) {
    const size_t last = std::min(first + kChainGroup, buckets_.size());
    size_t total = 0;
    for (size_t chain = first; chain < last; ++chain) {
      total += static_cast<size_t>(chain_sizes_[chain]);
    }
    write(GatherChains(buckets_, chain_sizes_, first, last, total, [](const WordNode*) {}));
  }
  return text;
}

std::u16string THashTable::ListText(int32_t width) const {
  return Listing<std::u16string>(
      width, [](std::u16string& text, const std::u16string& key, char16_t) { text.append(key); });
}

std::string THashTable::ListCp936(int32_t width) const {
  return Listing<std::string>(width, [](std::string& text, const std::u16string& key,
                                        char16_t next) {
    if (IsAscii(key)) {
      text.append(key.begin(), key.end());
      return;
    }
    // Converted with the character that follows it, so that a key ending in half a surrogate
    // pair is converted as it is within the whole listing.
    std::u16string with_next = key;
    with_next.push_back(next);
    text.append(Utf16ToCp936(with_next));
    text.pop_back();
  });
}

void THashTable::Clear() {
  pool_->Clear();
  std::fill(buckets_.begin(), buckets_.end(), nullptr);
  std::fill(tails_.begin(), tails_.end(), nullptr);
  std::fill(chain_sizes_.begin(), chain_sizes_.end(), 0);
  index_->Clear();
  indexed_ = false;
  walked_ = 0;
  item_count_ = 0;
  sorted_ = false;
}

void THashTable::Reserve(int32_t count) {
  if (count > item_count_) pool_->Reserve(static_cast<size_t>(count - item_count_));
}

void THashTable::ResetCounts() {
  pool_->ForEachLive([](WordNode* node) { node->Count = 0; });
}

void THashTable::Delete(std::u16string_view key) {
  if (WordNode* node = FindNewest(key)) Release(node, BucketOf(key));
}

void THashTable::Remove(std::u16string_view key) { Delete(key); }

void THashTable::MoveCount(std::u16string_view from, std::u16string_view to) {
  // Nothing that AddCount does to `to` moves or frees the item of `from`.
  WordNode* node = FindNewest(from);
  AddCount(to, node != nullptr ? node->Count : 0);
  if (node != nullptr) Release(node, BucketOf(from));
}

void THashTable::GetItem(std::u16string_view key, THashItem& record) const {
  if (const WordNode* node = FindNewest(key)) record = static_cast<const THashItem&>(*node);
}

int32_t THashTable::ItemCount() const { return item_count_; }

std::vector<std::string> THashTable::Keys() const {
  const std::vector<WordNode*> items = Traversal();
  std::vector<std::string> keys;
  keys.reserve(items.size());
  for (size_t i = 0; i < items.size(); ++i) {
    PrefetchAhead(items, i);
    keys.push_back(Utf16ToCp936(items[i]->Key));
  }
  return keys;
}

bool THashTable::Contains(std::u16string_view key) const { return FindNewest(key) != nullptr; }

const THashItem* THashTable::Find(std::u16string_view key) const { return FindNewest(key); }

void THashTable::PrepareConcurrentLookups() const {
  if (!indexed_ && !sorted_) BuildIndex();
}

void THashTable::PrefetchLookup(std::u16string_view key) const {
  if (indexed_) index_->Prefetch(WordIndex::HashKey(key));
}

std::vector<const THashItem*> THashTable::Items() const { return ItemsOfChains(0, BucketCount()); }

std::vector<const THashItem*> THashTable::ItemsOfChains(int32_t first, int32_t last) const {
  const auto begin = static_cast<size_t>(first);
  const auto end = static_cast<size_t>(last);
  size_t total = 0;
  for (size_t chain = begin; chain < end; ++chain)
    total += static_cast<size_t>(chain_sizes_[chain]);
  const std::vector<WordNode*> nodes =
      GatherChains(buckets_, chain_sizes_, begin, end, total, [](const WordNode*) {});
  return std::vector<const THashItem*>(nodes.begin(), nodes.end());
}

int64_t THashTable::TotalCount() const {
  // Storage order visits the same items as the traversal, in sequence.
  int64_t total = 0;
  pool_->ForEachLive([&](const WordNode* node) {
    if (Listed(*node)) total += node->Count;
  });
  return total;
}

void THashTable::Subtract(const THashTable& other) {
  // Each lookup walks a chain of an unindexed table, and enough of them index the whole table:
  // for a few hundred stop words, an index a quarter the size of a table of millions of words.
  // So a table of millions, far larger than `other`, is read once instead, each chain from its
  // head; smaller tables are looked up, which is faster. A key named n times is removed from
  // its first n items, which are those n lookups would find and remove one by one.
  constexpr int64_t kScanFromItems = int64_t{1} << 20;
  constexpr int64_t kScanFromTimesLarger = 64;
  const std::vector<std::string> keys = other.Keys();
  if (indexed_ || item_count_ < kScanFromItems ||
      int64_t{item_count_} < kScanFromTimesLarger * other.item_count_) {
    for (const std::string& key : keys) Remove(Cp936ToUtf16(TrimView(std::string_view(key))));
    return;
  }
  std::unordered_map<std::u16string, size_t> removals;
  for (const std::string& key : keys) ++removals[Cp936ToUtf16(TrimView(std::string_view(key)))];
  if (removals.empty()) return;
  // A key's items all stand in one chain, so the chains may be walked side by side.
  std::vector<std::pair<WordNode*, uint32_t>> removed;
  for (size_t first = 0; first < buckets_.size(); first += kChainGroup) {
    const size_t group = std::min(kChainGroup, buckets_.size() - first);
    WalkChainGroup(buckets_, first, group, [&](size_t k, WordNode* node) {
      const auto found = removals.find(node->Key);
      if (found != removals.end() && found->second > 0) {
        --found->second;
        removed.emplace_back(node, static_cast<uint32_t>(first + k));
      }
    });
  }
  for (const auto& [node, bucket] : removed) Release(node, bucket);
}

void THashTable::MergePairs(const std::vector<std::string>& lines) {
  for (size_t i = 0; i + 1 < lines.size(); i += 2) {
    const std::u16string variant = Cp936ToUtf16(lines[i]);
    const std::u16string base = Cp936ToUtf16(lines[i + 1]);
    if (variant == base) continue;
    const WordNode* node = FindNewest(variant);
    if (node == nullptr) continue;
    AddCount(base, node->Count);
    Delete(variant);
  }
}

std::unique_ptr<THashTable> THashTable::Clone() const { return CloneOf(Traversal(), nullptr); }

std::unique_ptr<THashTable> THashTable::CloneKept(const std::vector<char>& kept) const {
  return CloneOf(Traversal(), &kept);
}

std::unique_ptr<THashTable> THashTable::CloneOf(const std::vector<WordNode*>& items,
                                                const std::vector<char>* kept) const {
  auto copy = std::make_unique<THashTable>(256);
  const size_t n = items.size();
  copy->pool_->Reserve(kept == nullptr
                           ? n
                           : static_cast<size_t>(std::count_if(kept->begin(), kept->end(),
                                                               [](char k) { return k; })));
  int32_t copied = 0;
  for (size_t i = 0; i < n; ++i) {
    PrefetchAhead(items, i);
    if (kept != nullptr && !(*kept)[i]) continue;
    const WordNode& item = *items[i];
    WordNode* node = copy->pool_->New();
    node->Key = item.Key;
    if (!item.Value.empty()) node->Value = item.Value;
    node->Count = item.Count;
    node->Mark1 = item.Mark1;
    node->Mark2 = item.Mark2;
    node->Hash = item.Hash;
    copy->Link(node, copy->BucketOf(node->Key));
    ++copied;
  }
  copy->item_count_ = copied;
  return copy;
}

}  // namespace tarn
