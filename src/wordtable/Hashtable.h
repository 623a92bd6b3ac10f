#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// The value text of a table item. Almost every item leaves it empty, so it costs one pointer
// until it is set: a table of millions of counted words feels every byte of its items.
class ItemValue {
 public:
  ItemValue() = default;
  ItemValue(std::u16string_view text) { Assign(text); }  // NOLINT: converts like a string
  ItemValue(const ItemValue& other) { Assign(other); }
  ItemValue(ItemValue&&) noexcept = default;
  ItemValue& operator=(const ItemValue& other) {
    Assign(other);
    return *this;
  }
  ItemValue& operator=(ItemValue&&) noexcept = default;
  ItemValue& operator=(std::u16string_view text) {
    Assign(text);
    return *this;
  }

  operator std::u16string_view() const {  // NOLINT: reads like a string
    return text_ ? std::u16string_view(*text_) : std::u16string_view();
  }
  bool empty() const { return !text_; }
  const char16_t* begin() const { return std::u16string_view(*this).data(); }
  const char16_t* end() const { return begin() + std::u16string_view(*this).size(); }
  void clear() { text_.reset(); }

  friend bool operator==(const ItemValue& value, std::u16string_view text) {
    return std::u16string_view(value) == text;
  }

 private:
  void Assign(std::u16string_view text) {
    if (text.empty()) {
      text_.reset();
    } else {
      text_ = std::make_unique<std::u16string>(text);
    }
  }

  std::unique_ptr<std::u16string> text_;
};

// One entry of a word table. Counts are 64-bit so that a corpus of many gigabytes cannot wrap
// them.
struct THashItem {
  THashItem* Next = nullptr;
  std::u16string Key;
  int64_t Count = 0;
  int32_t Mark1 = 0;
  int32_t Mark2 = 0;
  ItemValue Value;
};

class NodePool;
class WordIndex;
struct WordNode;

// The word table: a fixed array of bucket chains whose traversal order (buckets in index order,
// each chain from its head) is what every listing shows. New items go to the head of their chain
// and duplicates are allowed; a lookup finds the newest. An index beside the chains, built by
// the first lookups that would otherwise walk long chains, answers lookups without walking a
// chain; so a const lookup may build it, and a table is not for concurrent readers.
class THashTable {
 public:
  // A table with `bucket_count` (at least 1) empty chains; every caller passes 256.
  explicit THashTable(int32_t bucket_count = 256);
  virtual ~THashTable();
  THashTable(const THashTable&) = delete;
  THashTable& operator=(const THashTable&) = delete;

  // The chain hash: h := rotl(h, 2) xor unit for every UTF-16 unit.
  virtual uint32_t HashOf(std::u16string_view key) const;

  // The link that points at the first item with `key` in its chain, or the null link ending it.
  THashItem** FindSlot(std::u16string_view key);

  // Inserts a new item at the head of the key's chain with only `Key` and `Value` set.
  void AddPair(std::u16string_view key, std::u16string_view value);
  // Inserts a new item at the head of the key's chain with every field given.
  void AddItem(std::u16string_view key, std::u16string_view value, int64_t count, int32_t mark1,
               int32_t mark2);
  // Adds `n` to the key's count, inserting it (marks 1, empty value) when absent. Returns
  // whether the key was present.
  bool AddCount(std::u16string_view key, int64_t n);

  // The listing: per item with a non-zero count and a non-blank key, the key, spaces up to
  // `width` units, a TAB, the count in decimal and a CR.
  std::u16string ListText(int32_t width) const;
  // The same listing in code page 936, built without the UTF-16 text.
  std::string ListCp936(int32_t width) const;

  // Releases every item; the bucket count stays.
  void Clear();
  // Sets every count to 0.
  void ResetCounts();
  // Unlinks and releases the newest item with `key`, if any.
  void Delete(std::u16string_view key);
  // AddCount(to, the count of the newest item with `from`, or 0 without one), then that item
  // deleted: what the two calls do, with one lookup of `from`. `from` and `to` must differ.
  void MoveCount(std::u16string_view from, std::u16string_view to);
  // The same as Delete; absent keys are ignored.
  void Remove(std::u16string_view key);
  // Copies the newest item with `key` into `record`; leaves it untouched when the key is absent.
  void GetItem(std::u16string_view key, THashItem& record) const;

  // Reorders the traversal by exchanging keys and counts between items: 1 ascending count,
  // 2 descending count, 3 descending key, 4 ascending key; other modes do nothing. The result
  // is exactly what the pairwise exchange sort leaves, ties included. Afterwards the table
  // serves traversals until cloned; lookups still work but walk the chains.
  void Sort(int32_t mode);

  // Makes room for `count` items in all, so that filling the table up to that size allocates
  // nothing more per item than the key text. A hint only: nothing changes that a caller can see.
  void Reserve(int32_t count);

  // Number of items, zero counts and blank keys included.
  int32_t ItemCount() const;
  // Every key in traversal order, converted to code page 936.
  std::vector<std::string> Keys() const;
  // Whether `key` has an item.
  bool Contains(std::u16string_view key) const;
  // Builds the lookup index now, so that later lookups only read and several threads may look
  // up keys at once, as long as nothing changes the table (and it has not been sorted).
  void PrepareConcurrentLookups() const;
  // Asks for the memory that a lookup of `key` reads first to be brought into cache, so that a
  // caller that knows its next keys ahead waits less for them; a hint only, once the index is
  // built (PrepareConcurrentLookups), and nothing otherwise.
  void PrefetchLookup(std::u16string_view key) const;
  // Every item in traversal order, gathered with the chains walked side by side, which is far
  // quicker than following them one by one in a large table; valid until the table changes.
  std::vector<const THashItem*> Items() const;
  // The same for the chains [first, last) alone, so that two threads may gather a large table
  // half each; valid until the table changes.
  std::vector<const THashItem*> ItemsOfChains(int32_t first, int32_t last) const;
  // The newest item with `key`, or nullptr; valid until the table changes.
  const THashItem* Find(std::u16string_view key) const;
  // Sum of the counts the listing shows.
  int64_t TotalCount() const;
  // Removes every key of `other` (trimmed, through code page 936) from this table.
  void Subtract(const THashTable& other);
  // Folds variant forms into base forms: lines 2k and 2k+1 (code page 936) are a variant and
  // its base; an odd last line is ignored.
  void MergePairs(const std::vector<std::string>& lines);
  // A 256-bucket copy with every key in its proper chain; within a chain the items stand in
  // the reverse of the order in which they were met.
  std::unique_ptr<THashTable> Clone() const;
  // The same copy of only the items whose place in traversal order (as Items() lists them) is
  // set in `kept`, which holds one flag per item: what Clone and then deleting the others leave.
  std::unique_ptr<THashTable> CloneKept(const std::vector<char>& kept) const;

  int32_t BucketCount() const { return static_cast<int32_t>(buckets_.size()); }
  // The head of chain `bucket`, for traversals.
  const THashItem* Bucket(int32_t bucket) const { return buckets_[bucket]; }

  // Calls `visit(const THashItem&)` for every item in traversal order.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    for (const THashItem* head : buckets_) {
      for (const THashItem* item = head; item != nullptr; item = item->Next) visit(*item);
    }
  }

 private:
  uint32_t BucketOf(std::u16string_view key) const;
  // The newest item with `key`: through the index, or by walking its chain.
  WordNode* FindNewest(std::u16string_view key) const;
  // The chain walk behind FindNewest, which builds the index once walks have cost as much.
  WordNode* WalkChain(std::u16string_view key, uint32_t bucket) const;
  // Indexes every item; only while every key stands in its own chain.
  void BuildIndex() const;
  // Makes an item and links it in at the head of its chain.
  void Insert(std::u16string_view key, std::u16string_view value, int64_t count, int32_t mark1,
              int32_t mark2);
  // Links `node` in at the head of chain `bucket`.
  void Link(WordNode* node, uint32_t bucket);
  // Unlinks `node` from the chain headed by `bucket` and releases it.
  void Release(WordNode* node, uint32_t bucket);
  // The listing of ListText as `Text`, each key written by `append_key(text, key, next)`, where
  // `next` is the character the listing puts after it.
  template <typename Text, typename AppendKey>
  Text Listing(int32_t width, AppendKey&& append_key) const;
  // Every item in traversal order, gathered several chains at a time.
  std::vector<WordNode*> Traversal() const;
  // A 256-bucket copy of the items of `items` for which `kept` holds (all when it is null).
  std::unique_ptr<THashTable> CloneOf(const std::vector<WordNode*>& items,
                                      const std::vector<char>* kept) const;

  std::vector<THashItem*> buckets_;
  std::vector<WordNode*> tails_;
  std::vector<int32_t> chain_sizes_;
  std::unique_ptr<NodePool> pool_;
  // The index is built on demand: copies and freshly filled tables are often only listed, and
  // a few lookups are cheaper as chain walks than indexing a large table first.
  std::unique_ptr<WordIndex> index_;
  mutable bool indexed_ = false;
  // Chain items visited by lookups since the last Clear; past a share of the item count the
  // index pays for itself.
  mutable int64_t walked_ = 0;
  int32_t item_count_ = 0;
  // True once Sort has moved keys out of their chains: lookups then walk the chains as they
  // are, and the table is never indexed again until cleared.
  bool sorted_ = false;
};

}  // namespace tarn
