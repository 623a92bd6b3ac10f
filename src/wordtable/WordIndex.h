#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "wordtable/Hashtable.h"

namespace tarn {

// An item as the table allocates it: the public record plus the links that let the table unlink
// it without walking its chain and find an older item with the same key.
struct WordNode : THashItem {
  // The item whose `Next` points here; null for a chain head.
  WordNode* Prev = nullptr;
  // The next-older item with the same key, which lookups find once this one is deleted.
  WordNode* Older = nullptr;
  // WordIndex::HashKey(Key), kept with the key wherever it moves, so that copying a table or
  // indexing it never reads the key text again.
  uint64_t Hash = 0;
};

// Lookup side of the word table: an open-addressing set holding, per key, the newest item.
// Lookups cost one strong hash and a short probe instead of a walk along a 256-way chain.
class WordIndex {
 public:
  // The hash the index is keyed by; unlike the chain hash it spreads short words well.
  static uint64_t HashKey(std::u16string_view key);

  // The newest item with `key` (whose hash is `hash`), or null.
  WordNode* Find(std::u16string_view key, uint64_t hash) const;
  // Asks for the slot where a lookup of `hash` starts to be brought into cache.
  void Prefetch(uint64_t hash) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
  }
  // Makes `node` the newest item with its key; the previous newest becomes `node->Older`.
  void Push(WordNode* node);
  // Pushes `count` (at most kBatch) nodes in order, loading their slots side by side.
  static constexpr size_t kBatch = 16;
  void PushBatch(WordNode* const* nodes, size_t count);
  // Forgets the newest item `node`; its older duplicate, if any, takes its place.
  void Pop(WordNode* node);
  // Makes room for `count` keys without growing on the way.
  void Reserve(size_t count);
  // Forgets every item and releases the slots.
  void Clear();

 private:
  struct Slot {
    uint64_t hash = 0;
    WordNode* node = nullptr;
  };

  // The share of the slots that keys may fill, as a fraction: a denser index has longer probes,
  // a sparser one costs memory that a table of millions of words feels.
  static constexpr std::pair<size_t, size_t> kMostFilled = {3, 4};

  // Whether `keys` keys would fill more than kMostFilled of the slots.
  bool TooFull(size_t keys) const;
  size_t FindSlot(std::u16string_view key, uint64_t hash) const;
  void Rehash(size_t slot_count);

  std::vector<Slot> slots_;
  size_t used_ = 0;
};

}  // namespace tarn
