#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// Where a word stands in a caller's buffer.
struct WordSpan {
  size_t offset;
  size_t length;
};

// Counts byte-string words in an open-addressing index and remembers the order in which each
// distinct word was first met, so that a word table filled from it in that order has the same
// chains as one filled by one AddCount per running word.
class FirstSeenCounter {
 public:
  FirstSeenCounter();

  // Counts one more occurrence of `word` (non-empty, without zero bytes).
  void Add(std::string_view word);
  // Counts the words at `spans` in `base`, in order; hashing them all first lets their slots
  // load from memory side by side.
  void AddBatch(const char* base, const WordSpan* spans, size_t count);

  // Number of distinct words.
  size_t DistinctCount() const { return entries_.size(); }
  // Sum of all counts.
  int64_t TotalCount() const { return total_; }

  // Calls `visit(std::string_view word, int64_t count)` for every distinct word, first seen first.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    std::vector<int64_t> counts(entries_.size());
    for (const Slot& slot : slots_) {
      if (slot.entry != 0) counts[slot.entry - 1] = slot.count;
    }
    for (size_t i = 0; i < entries_.size(); ++i) {
      const Entry& entry = entries_[i];
      visit(std::string_view(arena_.data() + entry.offset, entry.length),
            counts[i] + entry.spilled);
    }
  }

 private:
  struct Entry {
    size_t offset;
    size_t length;
    uint64_t hash;
    int64_t spilled;  // what the slot's 32-bit count could not hold
  };
  // Sixteen bytes, four to a cache line: the word's first eight bytes and its count, so that a
  // word of up to seven letters is found and counted without touching anything else.
  struct Slot {
    uint64_t prefix;  // the first eight bytes, zero-padded
    uint32_t count;
    uint32_t entry;  // the entry's index plus one; 0 for an empty slot
  };

  // Counts `word`, whose prefix and hash are given.
  void Insert(std::string_view word, uint64_t prefix, uint64_t hash);
  // Whether the stored word of `entry` equals `word` (at least eight bytes, same first eight).
  bool SameTail(const Entry& entry, std::string_view word) const;
  void Grow();

  std::vector<Slot> slots_;
  size_t mask_;
  std::vector<Entry> entries_;
  std::string arena_;
  int64_t total_ = 0;
};

}  // namespace tarn
