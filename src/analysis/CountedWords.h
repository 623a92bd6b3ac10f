#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analysis/FirstSeenCounter.h"
#include "analysis/WordEnds.h"

namespace tarn {

// The words of a finished count, for reading: each word's tally and first-seen index, looked up
// by the word. They are kept for as long as the statistics are, so they take a third of the room
// of the counter that gathered them; a lookup reads the word from its own memory in return.
class CountedWords {
 public:
  // No words.
  CountedWords() = default;
  // The words of `counter`, which is left empty.
  explicit CountedWords(FirstSeenCounter&& counter);

  // Number of distinct words.
  size_t DistinctCount() const { return counts_.size(); }
  // Sum of all counts.
  int64_t TotalCount() const { return total_; }
  // The tally of `word`; all zeros for a word never counted.
  WordTally Find(std::string_view word) const;
  // The first-seen index of `word` (0 for the first word counted), or nothing.
  std::optional<size_t> IndexOf(std::string_view word) const;
  // IndexOf of each of the `count` words (at most kBatch) into `indexes`, the memory that each
  // lookup reads requested for all of them before the first is compared.
  static constexpr size_t kBatch = 32;
  void IndexesOf(const std::string_view* words, size_t count,
                 std::optional<size_t>* indexes) const;
  // The word at first-seen index `entry`.
  std::string_view WordAt(size_t entry) const {
    const size_t begin = entry == 0 ? 0 : ends_[entry - 1];
    return std::string_view(arena_.data() + begin, ends_[entry] - begin);
  }
  // The tally of the word at first-seen index `entry`, and its count alone.
  WordTally TallyAt(size_t entry) const;
  int64_t CountAt(size_t entry) const;

  // Calls `visit(std::string_view word, int64_t count)` for every word, first seen first.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    for (size_t entry = 0; entry < counts_.size(); ++entry) {
      visit(WordAt(entry), CountAt(entry));
    }
  }
  // Calls `visit(std::string_view word, const WordTally& tally)` for every word, first seen
  // first.
  template <typename Visit>
  void ForEachTally(Visit&& visit) const {
    for (size_t entry = 0; entry < counts_.size(); ++entry) visit(WordAt(entry), TallyAt(entry));
  }
  // The same for the words with at least one shown capital alone.
  template <typename Visit>
  void ForEachCapitalised(Visit&& visit) const {
    for (size_t block = 0; block < capital_bits_.size(); ++block) {
      for (uint64_t bits = capital_bits_[block]; bits != 0; bits &= bits - 1) {
        const size_t entry = 64 * block + static_cast<size_t>(std::countr_zero(bits));
        const WordTally tally = TallyAt(entry);
        if (tally.capitalised != 0) visit(WordAt(entry), tally);
      }
    }
  }

 private:
  struct Capitals {
    int64_t hidden;
    int64_t shown;
  };

  // The first-seen index of `word` from its home slot `at` on, or nothing.
  std::optional<size_t> IndexFrom(std::string_view word, size_t at) const;
  // The home slot of `word`.
  size_t HomeOf(std::string_view word) const {
    return static_cast<size_t>(FirstSeenCounter::HashOf(word) >> 32) & (slots_.size() - 1);
  }
  // The capitals noted for `entry`, or null for a word that never had one.
  const Capitals* CapitalsOf(size_t entry) const;

  // By the word's hash, its first-seen index plus one; 0 for an empty slot.
  std::vector<uint32_t> slots_;
  // The words one after another, first seen first, and where each ends.
  std::string arena_;
  WordEnds ends_;
  // Each word's count as the counter's slot held it, and by first-seen index, what the slot
  // could not hold: empty in any real document.
  std::vector<uint32_t> counts_;
  std::vector<std::pair<size_t, int64_t>> spilled_;
  // Which words had a capital, one bit each; the capitals noted before each block of 64 words;
  // and those words' capitals, first seen first. All empty when no word had one.
  std::vector<uint64_t> capital_bits_;
  std::vector<uint32_t> capitals_before_;
  std::vector<Capitals> capitals_;
  int64_t total_ = 0;
};

// The counted words, made compact, for readers that share them.
std::shared_ptr<const CountedWords> SharedWords(FirstSeenCounter words);

}  // namespace tarn
