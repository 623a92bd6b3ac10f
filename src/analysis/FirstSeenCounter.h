#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "wordtable/HugePages.h"

namespace tarn {

// Where a word stands in a caller's buffer.
struct WordSpan {
  size_t offset;
  size_t length;
};

// What the counter looks a word up by: its first sixteen bytes, zero-padded, and its hash.
struct WordKey {
  uint64_t prefix;  // bytes 0-7
  uint64_t second;  // bytes 8-15
  uint64_t hash;
};

// Counts byte-string words in an open-addressing index and remembers the order in which each
// distinct word was first met, so that a word table filled from it in that order has the same
// chains as one filled by one AddCount per running word.
class FirstSeenCounter {
 public:
  FirstSeenCounter();

  // Counts one more occurrence of `word` (non-empty, without zero bytes).
  void Add(std::string_view word);
  // The key of the non-empty `word`, reading sixteen bytes from its start whatever its length:
  // the caller's buffer must hold them. Gives what Add computes without reading on.
  static WordKey PaddedKeyOf(std::string_view word);
  // Counts the words at `spans` in `base` whose keys are given, in order; with the keys known
  // ahead, the slots of the words to come load from memory while earlier ones are counted.
  void AddKeyed(const char* base, const WordSpan* spans, const WordKey* keys, size_t count);
  // Counts the words at `spans` in `base`, each followed by room enough for PaddedKeyOf.
  void AddPadded(const char* base, const WordSpan* spans, size_t count);

  // Number of distinct words.
  size_t DistinctCount() const { return entries_.size(); }
  // Sum of all counts.
  int64_t TotalCount() const { return total_; }

  // Calls `visit(std::string_view word, int64_t count)` for every distinct word, first seen first.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    std::vector<int64_t> counts;
    FillFresh(counts, entries_.size(), int64_t{0});
    for (const Slot& slot : slots_) {
      if (slot.entry != 0) counts[slot.entry - 1] = slot.count;
    }
    for (const auto& [entry, spilled] : spilled_) counts[entry] += spilled;
    for (size_t i = 0; i < entries_.size(); ++i) {
      const Entry& entry = entries_[i];
      visit(std::string_view(arena_.data() + entry.offset, entry.length), counts[i]);
    }
  }

 private:
  struct Entry {
    size_t offset;
    size_t length;
  };
  // The word's first sixteen bytes and its count, so that a word of up to fifteen letters is
  // found and counted without touching anything else: most words are, and the entries and the
  // text of a large vocabulary are far out of cache.
  struct Slot {
    uint64_t prefix;  // bytes 0-7, zero-padded
    uint64_t second;  // bytes 8-15, zero-padded
    uint32_t count;
    uint32_t entry;  // the entry's index plus one; 0 for an empty slot
  };

  // Counts `word` under its key.
  void Insert(std::string_view word, const WordKey& key);
  // Adds `word`, met for the first time, in the empty slot at `at`.
  [[gnu::noinline]] void AddEntry(std::string_view word, const WordKey& key, size_t at);
  // Moves a slot's full count to `spilled_`.
  [[gnu::noinline]] void Spill(Slot& slot);
  // Asks for the slot of `key` to be brought into cache.
  void PrefetchSlot(const WordKey& key) const;
  // Whether the stored word of `entry` equals `word` (at least sixteen bytes, same first sixteen).
  bool SameTail(const Entry& entry, std::string_view word) const;
  // The hash of the word in `slot`, from the slot alone when the word is short.
  uint64_t HashOfSlot(const Slot& slot) const;
  void Grow();

  std::vector<Slot> slots_;
  size_t mask_;
  std::vector<Entry> entries_;
  std::string arena_;
  // What a slot's 32-bit count could not hold, by entry index; empty in any real document.
  std::vector<std::pair<size_t, int64_t>> spilled_;
  int64_t total_ = 0;
};

}  // namespace tarn
