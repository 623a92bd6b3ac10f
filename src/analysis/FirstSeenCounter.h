#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// Counts byte-string words in an open-addressing index and remembers the order in which each
// distinct word was first met, so that a word table filled from it in that order has the same
// chains as one filled by one AddCount per running word.
class FirstSeenCounter {
 public:
  FirstSeenCounter();

  // Counts one more occurrence of `word` (non-empty).
  void Add(std::string_view word);

  // Number of distinct words.
  size_t DistinctCount() const { return entries_.size(); }
  // Sum of all counts.
  int64_t TotalCount() const { return total_; }

  // Calls `visit(std::string_view word, int64_t count)` for every distinct word, first seen first.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    for (const Entry& entry : entries_) {
      visit(std::string_view(arena_.data() + entry.offset, entry.length), entry.count);
    }
  }

 private:
  struct Entry {
    size_t offset;
    size_t length;
    int64_t count;
    uint64_t hash;
  };
  // A slot holds the low half of the hash and the entry index plus one (0: empty).
  struct Slot {
    uint32_t tag;
    uint32_t entry;
  };

  static uint64_t Hash(std::string_view word);
  void Grow();

  std::vector<Slot> slots_;
  size_t mask_;
  std::vector<Entry> entries_;
  std::string arena_;
  int64_t total_ = 0;
};

}  // namespace tarn
