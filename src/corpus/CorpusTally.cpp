#include "corpus/CorpusTally.h"

#include <utility>

#include "wordtable/HugePages.h"

namespace tarn {

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

void CorpusTally::AddCounts(const WordCount* counts, size_t size) {
  // Room for all of them at once.
  if (counts_.capacity() - counts_.size() < 20 * size) {
    GrowFresh(counts_, 2 * counts_.size() + 20 * size + 4096);
  }
  for (size_t i = 0; i < size; ++i) {
    WriteNumber(counts[i].word);
    WriteNumber(static_cast<uint64_t>(counts[i].count));
  }
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
  // With C a word's count, N the corpus's running words and c_i, n_i those of text i,
  // DP = Σ |c_i·N − C·n_i| / (2·C·N); the texts without the word add C·n_i each, which is
  // C·N less C·n_i over the texts with it. The sums are exact, so the figures do not depend on
  // how the texts were grouped. What a word's sum needs is kept together: the texts' counts
  // come in no order of words, and each then costs one cache line, not three.
  struct WordSum {
    __int128 deviation;
    int64_t total;
    uint32_t range;
  };
  const __int128 corpus_words = words_.TotalCount();
  std::vector<WordSum> sums;
  sums.reserve(words_.DistinctCount());
  words_.ForEach([&](std::string_view, int64_t count) {
    sums.push_back({count * corpus_words, count, 0});
  });
  ForEachCount([&](size_t text, uint32_t word, int64_t count) {
    WordSum& sum = sums[word];
    const __int128 expected = sum.total * __int128{text_words_[text]};
    const __int128 observed = count * corpus_words;
    sum.deviation += (observed > expected ? observed - expected : expected - observed) - expected;
    ++sum.range;
  });
  std::vector<WordSpread> spread;
  spread.reserve(sums.size());
  for (const WordSum& sum : sums) {
    spread.push_back({sum.range, static_cast<double>(sum.deviation) /
                                     (2.0 * static_cast<double>(sum.total) *
                                      static_cast<double>(corpus_words))});
  }
  return spread;
}

}  // namespace tarn
