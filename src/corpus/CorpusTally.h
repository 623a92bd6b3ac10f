#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analysis/CountedWords.h"
#include "analysis/FirstSeenCounter.h"

namespace tarn {

// How one word spreads over the texts of a corpus: the number of texts it occurs in, and the
// deviation of proportions, from 0 (its occurrences share out over the texts as the texts'
// running words do) to nearly 1 (all of them in one small text).
struct WordSpread {
  uint32_t range = 0;
  double dp = 0;

  bool operator==(const WordSpread&) const = default;
};

// The spread of each of many words, range and DP kept apart: together, with the padding, they
// take sixteen bytes a word, apart twelve.
class WordSpreads {
 public:
  void Reserve(size_t count) {
    ranges_.reserve(count);
    dps_.reserve(count);
  }
  void Add(const WordSpread& spread) {
    ranges_.push_back(spread.range);
    dps_.push_back(spread.dp);
  }
  size_t size() const { return ranges_.size(); }
  WordSpread operator[](size_t word) const { return WordSpread{ranges_[word], dps_[word]}; }
  // Asks for the figures of `word` to be brought into cache.
  void Prefetch(size_t word) const {
    __builtin_prefetch(&ranges_[word]);
    __builtin_prefetch(&dps_[word]);
  }

  bool operator==(const WordSpreads&) const = default;

 private:
  std::vector<uint32_t> ranges_;
  std::vector<double> dps_;
};

// The words of a corpus, text after text: their counts summed in one table that holds them in
// the order one stream of all the texts would have met them, and what each text had of each,
// for the spread.
class CorpusTally {
 public:
  // A text is added in parts: AddWord adds `tally` to the corpus's `word` and returns its index
  // in Words(); AddCount records that the text being added has `count` (at least 1) of the word
  // at `index`, each word at most once; EndText closes the text with its running words.
  uint32_t AddWord(std::string_view word, const WordTally& tally);
  // AddWord of each of the `count` words with its tally, the indexes put in `indexes`.
  void AddWords(const std::string_view* words, const WordTally* tallies, size_t count,
                uint32_t* indexes);
  void AddCount(uint32_t index, int64_t count);
  // A word's index in Words() and its count in a text.
  struct WordCount {
    uint32_t word;
    int64_t count;
  };
  // AddCount of each of the `size` counts.
  void AddCounts(const WordCount* counts, size_t size);
  void EndText(int64_t running_words);
  // For texts whose counts came without their words (AddCount, AddCounts): makes `words` the
  // corpus's words, the indexes of those counts being their first-seen indexes.
  void AdoptWords(FirstSeenCounter&& words) { words_ = std::move(words); }

  // The running words of text `text` (0 for the first added).
  int64_t TextWords(size_t text) const { return text_words_[text]; }
  // Calls `visit(size_t text, uint32_t word, int64_t count)` for every word of every text, text
  // after text, with the word's index in Words() and its count in that text.
  template <typename Visit>
  void ForEachCount(Visit&& visit) const {
    ForEachCountOfTexts(0, text_words_.size(), visit);
  }
  // The same for the texts from `first` up to `end`.
  template <typename Visit>
  void ForEachCountOfTexts(size_t first, size_t end, Visit&& visit) const {
    size_t at = first == 0 ? 0 : text_ends_[first - 1];
    for (size_t text = first; text < end; ++text) {
      while (at < text_ends_[text]) {
        const auto word = static_cast<uint32_t>(ReadNumber(at));
        visit(text, word, static_cast<int64_t>(ReadNumber(at)));
      }
    }
  }

  // Number of texts added.
  size_t Texts() const { return text_words_.size(); }
  // The corpus's words, first seen first.
  const FirstSeenCounter& Words() const { return words_; }
  // Hands over the corpus's words; Words() is empty afterwards.
  FirstSeenCounter TakeWords();
  // The spread of every word, in the order of Words(): DP = 0.5 · Σ |v_i − s_i| over the texts,
  // v_i the share of the word's occurrences in text i and s_i the share of the corpus's running
  // words in it. Call before TakeWords. With `threads` above 1 the texts are summed in two
  // halves side by side; the result is the same.
  WordSpreads Spread(size_t threads = 1) const;
  // The same after TakeWords, from the words it gave, made compact: a large corpus's counter
  // need not be kept beside the sums.
  WordSpreads Spread(const CountedWords& words, size_t threads) const;

 private:
  // Spread from `words`, the counter or its compact form.
  template <typename Counted>
  WordSpreads SpreadOf(const Counted& words, size_t threads) const;
  // SpreadOf with each word's sums in `Sum`, an integer wide enough for twice the square of
  // the corpus's running words.
  template <typename Sum, typename Counted>
  WordSpreads SpreadIn(const Counted& words, size_t threads) const;
  // The number written at `at` in `counts_` (seven bits a byte, the lowest first, the top bit
  // of every byte but the last set), moving `at` past it.
  uint64_t ReadNumber(size_t& at) const {
    uint64_t number = 0;
    for (int shift = 0;; shift += 7) {
      const uint8_t byte = counts_[at++];
      number |= static_cast<uint64_t>(byte & 0x7F) << shift;
      if (byte < 0x80) return number;
    }
  }
  // Writes `number` at `out` as ReadNumber reads it, writing three bytes for a number below
  // 2^21 whatever its length; returns where the next number goes.
  static uint8_t* WriteNumber(uint8_t* out, uint64_t number);

  FirstSeenCounter words_;
  std::vector<int64_t> text_words_;  // each text's running words
  // Each text's words, by their indexes in `words_`, with their counts in it: two numbers a
  // word, text after text. Most indexes and counts are small, so a word takes three or four
  // bytes, not the sixteen of the plain numbers: a large corpus has tens of millions of them.
  // Its bytes are all there to write into; the first `counts_used_` hold the numbers.
  std::vector<uint8_t> counts_;
  size_t counts_used_ = 0;
  std::vector<size_t> text_ends_;  // where each text's numbers end
};

}  // namespace tarn
