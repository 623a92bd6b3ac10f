#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// Where a word stands in a caller's buffer.
struct WordSpan {
  size_t offset;
  size_t length;
};

// A counted word's occurrences: all of them, those that are evidence (in lower case, or with a
// shown capital), and those of them with a capital first letter.
struct WordTally {
  int64_t count = 0;
  int64_t eligible = 0;
  int64_t capitalised = 0;

  bool operator==(const WordTally&) const = default;
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
  // A counter with room for `words` distinct words of `letters` letters in all.
  FirstSeenCounter(size_t words, size_t letters);

  // Counts one more occurrence of `word` (non-empty, without zero bytes), in lower case.
  void Add(std::string_view word);
  // The key of the non-empty `word`, reading sixteen bytes from its start whatever its length:
  // the caller's buffer must hold them. Gives what Add computes without reading on.
  static WordKey PaddedKeyOf(std::string_view word);
  // The hash that places `word` among the slots.
  static uint64_t HashOf(std::string_view word);
  // PaddedKeyOf of each of the `count` words at `spans` in `base` into `keys`, in one loop that
  // the key's few instructions are inlined into.
  static void PaddedKeysOf(const char* base, const WordSpan* spans, size_t count, WordKey* keys);
  // Counts the words at `spans` in `base` whose keys are given, in order; with the keys known
  // ahead, the slots of the words to come load from memory while earlier ones are counted. When
  // `entries` is given, each word's first-seen index goes there.
  void AddKeyed(const char* base, const WordSpan* spans, const WordKey* keys, size_t count,
                uint32_t* entries = nullptr);
  // Counts the words at `spans` in `base`, each followed by room enough for PaddedKeyOf, as
  // AddKeyed.
  void AddPadded(const char* base, const WordSpan* spans, size_t count,
                 uint32_t* entries = nullptr);
  // Notes the capitals of words just counted by AddKeyed or AddPadded with `entries`: each of
  // the `count` numbers in `capitals` is a word's place among those words times two, plus one
  // for a shown capital (evidence of a name), none for a hidden one.
  void AddCapitals(const uint32_t* entries, const uint32_t* capitals, size_t count);
  // Takes back counted occurrences: the words from first-seen index `kept` on are forgotten, and
  // the word at index `entries[i]` below it loses the occurrences of `less[i]`, for each of the
  // `count` pairs (others are ignored).
  void TakeBack(size_t kept, const uint32_t* entries, const WordTally* less, size_t count);

  // Counts `word` (as Add takes it) `tally.count` more times, with the capitals of the tally, as
  // if the occurrences it sums had been counted here; returns the word's first-seen index.
  size_t AddTally(std::string_view word, const WordTally& tally);
  // AddTally of each of the `count` words with its tally, in order, each word's first-seen index
  // put in `entries`; with the words known ahead, their slots load while earlier ones are counted.
  void AddTallies(const std::string_view* words, const WordTally* tallies, size_t count,
                  uint32_t* entries);

  // Number of distinct words.
  size_t DistinctCount() const { return entries_.size(); }
  // Sum of all counts.
  int64_t TotalCount() const { return total_; }
  // The tally of `word`; all zeros for a word never counted.
  WordTally Find(std::string_view word) const;
  // The first-seen index of `word` (0 for the first word counted), or nothing.
  std::optional<size_t> IndexOf(std::string_view word) const;
  // The word at first-seen index `entry`; it lasts until the next word is added.
  std::string_view WordAt(size_t entry) const {
    return std::string_view(arena_.data() + entries_[entry].offset, entries_[entry].length);
  }

  // Calls `visit(std::string_view word, int64_t count)` for every distinct word, first seen first.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    std::vector<int64_t> counts(entries_.size(), 0);
    for (const Slot& slot : slots_) {
      if (slot.entry != 0) counts[slot.entry - 1] = slot.count;
    }
    for (const Spilled& spilled : spilled_) counts[spilled.entry] += spilled.count;
    for (size_t i = 0; i < entries_.size(); ++i) {
      const Entry& entry = entries_[i];
      visit(std::string_view(arena_.data() + entry.offset, entry.length), counts[i]);
    }
  }
  // Calls `visit(std::string_view word, const WordTally& tally)` for every distinct word, first
  // seen first.
  template <typename Visit>
  void ForEachTally(Visit&& visit) const {
    std::vector<WordTally> tallies(entries_.size());
    for (const Slot& slot : slots_) {
      if (slot.entry != 0) tallies[slot.entry - 1] = TallyOf(slot);
    }
    for (size_t i = 0; i < entries_.size(); ++i) {
      const Entry& entry = entries_[i];
      visit(std::string_view(arena_.data() + entry.offset, entry.length), tallies[i]);
    }
  }
  // ForEachTally for the words with at least one capitalised occurrence alone. Those are few,
  // so each is looked up rather than every slot read.
  template <typename Visit>
  void ForEachCapitalised(Visit&& visit) const {
    const size_t noted = std::min(entries_.size(), capitals_.size() / 2);
    for (size_t i = 0; i < noted; ++i) {
      if (capitals_[2 * i + 1] == 0) continue;
      const std::string_view word(arena_.data() + entries_[i].offset, entries_[i].length);
      visit(word, Find(word));
    }
  }

 private:
  friend class CountedWords;

  struct Entry {
    size_t offset;
    size_t length;
  };
  // The word's first sixteen bytes and its counts, so that a word of up to fifteen letters is
  // found and counted without touching anything else: most words are, and the entries and the
  // text of a large vocabulary are far out of cache.
  struct Slot {
    uint64_t prefix;  // bytes 0-7, zero-padded
    uint64_t second;  // bytes 8-15, zero-padded
    uint32_t count;
    uint32_t entry;  // the entry's index plus one; 0 for an empty slot
  };
  // What a slot's count could not hold, by entry index.
  struct Spilled {
    size_t entry;
    int64_t count;
  };

  // The index of the slot of `word` under `key`, or slots_.size() for a word never counted.
  size_t SlotIndexOf(std::string_view word, const WordKey& key) const;
  // Counts `word` under its key, all but in TotalCount; returns its entry's index.
  size_t Insert(std::string_view word, const WordKey& key);
  // Adds `word`, met for the first time, in the empty slot at `at`; returns its entry's index.
  [[gnu::noinline]] size_t AddEntry(std::string_view word, const WordKey& key, size_t at);
  // AddKeyed, with the first-seen indexes put in `entries` when kRecord.
  template <bool kRecord>
  void CountKeyed(const char* base, const WordSpan* spans, const WordKey* keys, size_t count,
                  uint32_t* entries);
  // The hidden and shown capitals of `entry`, room made for them.
  int64_t* CapitalsOf(size_t entry);
  // AddTally of `word` under its key.
  size_t AddKeyedTally(std::string_view word, const WordKey& key, const WordTally& tally);
  // The tally of the word in `slot`.
  WordTally TallyOf(const Slot& slot) const;
  // Moves a slot's count to `spilled_` once it is full.
  [[gnu::noinline]] void Spill(Slot& slot);
  // Adds `count` to the spilled count of `entry`.
  void AddSpilled(size_t entry, int64_t count);
  // Asks for the slot of `key` to be brought into cache.
  void PrefetchSlot(const WordKey& key) const;
  // Whether the occupied `slot` holds `word`, whose key is `key`.
  bool Holds(const Slot& slot, std::string_view word, const WordKey& key) const;
  // Whether the stored word of `entry` equals `word` (at least sixteen bytes, same first sixteen).
  bool SameTail(const Entry& entry, std::string_view word) const;
  // The hash of the word in `slot`, from the slot alone when the word is short.
  uint64_t HashOfSlot(const Slot& slot) const;
  void Grow();
  // Moves every word into `slot_count` (a power of two) slots.
  void Rehash(size_t slot_count);

  std::vector<Slot> slots_;
  size_t mask_;
  std::vector<Entry> entries_;
  std::string arena_;
  // What the slots' 32-bit counts could not hold; empty in any real document.
  std::vector<Spilled> spilled_;
  // Hidden and shown capitals, two numbers for each entry as far as any has had a capital.
  std::vector<int64_t> capitals_;
  int64_t total_ = 0;
};

}  // namespace tarn
