#include "corpus/CorpusTally.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <exception>
#include <thread>
#include <utility>

namespace tarn {

uint32_t CorpusTally::AddWord(std::string_view word, const WordTally& tally) {
  return static_cast<uint32_t>(words_.AddTally(word, tally));
}

void CorpusTally::AddWords(const std::string_view* words, const WordTally* tallies, size_t count,
                           uint32_t* indexes) {
  words_.AddTallies(words, tallies, count, indexes);
}

void CorpusTally::AddCount(uint32_t index, int64_t count) {
  const WordCount pair{index, count};
  AddCounts(&pair, 1);
}

namespace {

// The numbers below this take at most three bytes.
constexpr uint64_t kShortNumbers = uint64_t{1} << 21;

// A number below kShortNumbers as WriteNumber writes it, in the low bytes, the first lowest.
struct ShortNumber {
  uint64_t bytes;
  size_t length;
};

ShortNumber Short(uint64_t number) {
  const uint64_t second = number >= 0x80 ? 1 : 0;
  const uint64_t third = number >= 0x4000 ? 1 : 0;
  return {(number & 0x7F) | ((number & 0x3F80) << 1) | ((number & 0x1FC000) << 2) | (second << 7) |
              (third << 15),
          1 + second + third};
}

}  // namespace

void CorpusTally::AddCounts(const WordCount* counts, size_t size) {
  // Two numbers of ten bytes at most a pair, and the eight that a pair's store covers.
  const size_t room = 20 * size + 8;
  if (counts_.size() - counts_used_ < room) {
    counts_.reserve(2 * counts_.size() + room + 4096);
    counts_.resize(counts_.capacity());
  }
  uint8_t* out = counts_.data() + counts_used_;
  for (size_t i = 0; i < size; ++i) {
    const uint64_t word = counts[i].word;
    const auto count = static_cast<uint64_t>(counts[i].count);
    if (std::endian::native == std::endian::little && (word | count) < kShortNumbers) {
      // Nearly every pair: both numbers in one store of eight bytes.
      const ShortNumber first = Short(word);
      const ShortNumber second = Short(count);
      const uint64_t both = first.bytes | (second.bytes << (8 * first.length));
      std::memcpy(out, &both, sizeof both);
      out += first.length + second.length;
    } else {
      out = WriteNumber(out, word);
      out = WriteNumber(out, count);
    }
  }
  counts_used_ = static_cast<size_t>(out - counts_.data());
}

uint8_t* CorpusTally::WriteNumber(uint8_t* out, uint64_t number) {
  if (number < kShortNumbers) {
    // Up to three bytes, all three written: how many of them a number takes depends on the
    // text, so a branch per byte would be mispredicted.
    const ShortNumber short_number = Short(number);
    out[0] = static_cast<uint8_t>(short_number.bytes);
    out[1] = static_cast<uint8_t>(short_number.bytes >> 8);
    out[2] = static_cast<uint8_t>(short_number.bytes >> 16);
    return out + short_number.length;
  }
  for (; number >= 0x80; number >>= 7) *out++ = static_cast<uint8_t>(number | 0x80);
  *out++ = static_cast<uint8_t>(number);
  return out;
}

void CorpusTally::EndText(int64_t running_words) {
  text_words_.push_back(running_words);
  text_ends_.push_back(counts_used_);
}

FirstSeenCounter CorpusTally::TakeWords() {
  FirstSeenCounter words = std::move(words_);
  words_ = FirstSeenCounter();
  return words;
}

WordSpreads CorpusTally::Spread(size_t threads) const {
  return SpreadOf(words_, threads);
}

WordSpreads CorpusTally::Spread(const CountedWords& words, size_t threads) const {
  return SpreadOf(words, threads);
}

template <typename Counted>
WordSpreads CorpusTally::SpreadOf(const Counted& words, size_t threads) const {
  // Every product and partial sum below lies within ±2·N² (N the corpus's running words):
  // 64 bits hold them for any corpus of fewer than 2^31 running words, and then each word's
  // sums take less room and less time than in 128.
  if (words.TotalCount() <= int64_t{INT32_MAX}) return SpreadIn<int64_t>(words, threads);
  return SpreadIn<__int128>(words, threads);
}

template <typename Sum, typename Counted>
WordSpreads CorpusTally::SpreadIn(const Counted& words, size_t threads) const {
  // With C a word's count, N the corpus's running words and c_i, n_i those of text i,
  // DP = Σ |c_i·N − C·n_i| / (2·C·N); the texts without the word add C·n_i each, which is
  // C·N less C·n_i over the texts with it. The sums are exact, so the figures do not depend on
  // how the texts were grouped, and two halves of the texts can be summed apart. What a word's
  // sum needs is kept together: the texts' counts come in no order of words, and each then
  // costs one cache line, not three.
  struct WordSum {
    Sum deviation;
    int64_t total;
    uint32_t range;
  };
  const Sum corpus_words = words.TotalCount();
  const auto sums_from = [&](Sum first_deviation) {
    std::vector<WordSum> sums;
    sums.reserve(words.DistinctCount());
    words.ForEach([&](std::string_view, int64_t count) {
      sums.push_back({first_deviation * count, count, 0});
    });
    return sums;
  };
  const auto add_texts = [&](size_t first, size_t end, std::vector<WordSum>& sums) {
    ForEachCountOfTexts(first, end, [&](size_t text, uint32_t word, int64_t count) {
      WordSum& sum = sums[word];
      const Sum expected = sum.total * Sum{text_words_[text]};
      const Sum observed = count * corpus_words;
      sum.deviation += (observed > expected ? observed - expected : expected - observed) - expected;
      ++sum.range;
    });
  };
  std::vector<WordSum> sums = sums_from(corpus_words);
  if (threads > 1 && Texts() > 1) {
    // Split where about half the counts lie before; the second half has sums of its own.
    const auto middle = std::lower_bound(text_ends_.begin(), text_ends_.end(), counts_used_ / 2);
    const size_t split =
        std::clamp<size_t>(static_cast<size_t>(middle - text_ends_.begin()) + 1, 1, Texts() - 1);
    std::vector<WordSum> later;
    std::exception_ptr failure;
    std::thread second([&] {
      try {
        later = sums_from(0);
        add_texts(split, Texts(), later);
      } catch (...) {
        failure = std::current_exception();
      }
    });
    add_texts(0, split, sums);
    second.join();
    if (failure) std::rethrow_exception(failure);
    for (size_t word = 0; word < sums.size(); ++word) {
      sums[word].deviation += later[word].deviation;
      sums[word].range += later[word].range;
    }
  } else {
    add_texts(0, Texts(), sums);
  }
  WordSpreads spread;
  spread.Reserve(sums.size());
  for (const WordSum& sum : sums) {
    spread.Add({sum.range, static_cast<double>(sum.deviation) /
                               (2.0 * static_cast<double>(sum.total) *
                                static_cast<double>(corpus_words))});
  }
  return spread;
}

}  // namespace tarn
