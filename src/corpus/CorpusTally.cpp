#include "corpus/CorpusTally.h"

#include <utility>

#include "wordtable/HugePages.h"

namespace tarn {

void CorpusTally::AddText(const FirstSeenCounter& text) {
  // The text's words are added all at once, so that the corpus's slots for them load ahead.
  // The lower-case forms of its marked capitals are kept apart, their views made once all are in.
  adding_words_.clear();
  adding_tallies_.clear();
  adding_letters_.clear();
  adding_folded_.clear();
  std::string unmarked;
  text.ForEachTally([&](std::string_view word, WordTally tally) {
    // The lower-case form is as long as the word.
    if (FoldMarkedCapital(word, tally, unmarked)) {
      adding_folded_.push_back(adding_words_.size());
      adding_letters_.append(unmarked);
    }
    adding_words_.push_back(word);
    adding_tallies_.push_back(tally);
  });
  for (size_t i = 0, at = 0; i < adding_folded_.size(); ++i) {
    std::string_view& word = adding_words_[adding_folded_[i]];
    word = std::string_view(adding_letters_.data() + at, word.size());
    at += word.size();
  }
  adding_indexes_.resize(adding_words_.size());
  AddWords(adding_words_.data(), adding_tallies_.data(), adding_words_.size(),
           adding_indexes_.data());
  // A word met with a capital and without is one word of the text: its counts make one pair,
  // at the place of its first form.
  if (pair_of_word_.size() < words_.DistinctCount()) pair_of_word_.resize(words_.DistinctCount());
  adding_pairs_.clear();
  for (size_t i = 0; i < adding_indexes_.size(); ++i) {
    uint32_t& pair = pair_of_word_[adding_indexes_[i]];
    if (pair == 0) {
      adding_pairs_.push_back({adding_indexes_[i], adding_tallies_[i].count});
      pair = static_cast<uint32_t>(adding_pairs_.size());
    } else {
      adding_pairs_[pair - 1].count += adding_tallies_[i].count;
    }
  }
  for (const TextPair& pair : adding_pairs_) {
    AddCount(pair.word, pair.count);
    pair_of_word_[pair.word] = 0;
  }
  EndText(text.TotalCount());
}

void CorpusTally::AddText(FirstSeenCounter&& text) {
  if (Texts() != 0 || words_.DistinctCount() != 0) {
    AddText(static_cast<const FirstSeenCounter&>(text));
    return;
  }
  words_ = std::move(text);
  words_.FoldCapitals();
  uint32_t index = 0;
  words_.ForEachTally([&](std::string_view, const WordTally& tally) { AddCount(index++, tally.count); });
  EndText(words_.TotalCount());
}

uint32_t CorpusTally::AddWord(std::string_view word, const WordTally& tally) {
  return static_cast<uint32_t>(words_.AddTally(word, tally));
}

void CorpusTally::AddWords(const std::string_view* words, const WordTally* tallies, size_t count,
                           uint32_t* indexes) {
  words_.AddTallies(words, tallies, count, indexes);
}

void CorpusTally::AddCount(uint32_t index, int64_t count) {
  // Room for two numbers of ten bytes at most.
  if (counts_.capacity() - counts_.size() < 20) GrowFresh(counts_, 2 * counts_.size() + 4096);
  WriteNumber(index);
  WriteNumber(static_cast<uint64_t>(count));
}

void CorpusTally::WriteNumber(uint64_t number) {
  for (; number >= 0x80; number >>= 7) counts_.push_back(static_cast<uint8_t>(number | 0x80));
  counts_.push_back(static_cast<uint8_t>(number));
}

void CorpusTally::EndText(int64_t running_words) {
  text_words_.push_back(running_words);
  text_ends_.push_back(counts_.size());
}

FirstSeenCounter CorpusTally::TakeWords() {
  FirstSeenCounter words = std::move(words_);
  words_ = FirstSeenCounter();
  return words;
}

std::vector<WordSpread> CorpusTally::Spread() const {
  std::vector<int64_t> totals;
  totals.reserve(words_.DistinctCount());
  words_.ForEach([&totals](std::string_view, int64_t count) { totals.push_back(count); });
  const __int128 corpus_words = words_.TotalCount();
  // With C a word's count, N the corpus's running words and c_i, n_i those of text i,
  // DP = Σ |c_i·N − C·n_i| / (2·C·N); the texts without the word add C·n_i each, which is
  // C·N less C·n_i over the texts with it. The sums are exact, so the figures do not depend on
  // how the texts were grouped.
  std::vector<__int128> deviation(totals.size());
  for (size_t i = 0; i < totals.size(); ++i) deviation[i] = totals[i] * corpus_words;
  std::vector<WordSpread> spread(totals.size());
  ForEachCount([&](size_t text, uint32_t word, int64_t count) {
    const __int128 expected = totals[word] * __int128{text_words_[text]};
    const __int128 observed = count * corpus_words;
    deviation[word] += (observed > expected ? observed - expected : expected - observed) - expected;
    ++spread[word].range;
  });
  for (size_t i = 0; i < totals.size(); ++i) {
    spread[i].dp = static_cast<double>(deviation[i]) /
                   (2.0 * static_cast<double>(totals[i]) * static_cast<double>(corpus_words));
  }
  return spread;
}

}  // namespace tarn
