#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "analysis/CountedTexts.h"
#include "analysis/FirstSeenCounter.h"
#include "corpus/CorpusTally.h"

namespace tarn {

// Turns a stream of texts counted into one counter (WordStreamCounter::CountTexts) into a
// CorpusTally: each text's counts as the text ends, and the counter's words once the stream is
// over. The tally is the one that adding each text counted on its own would give, with the
// words looked up once, not once in the text and again in the corpus.
class CorpusTextCounts : public CountedTexts {
 public:
  explicit CorpusTextCounts(CorpusTally& tally) : tally_(tally) {}

  void Counted(const FirstSeenCounter& words, const uint32_t* entries, size_t count,
               const uint32_t* capitals, size_t capital_count) override;
  void TextEnded() override;
  void TextDropped(FirstSeenCounter& words) override;

  // Hands the counted words to the tally; call once the stream is over.
  void Finish(FirstSeenCounter&& words) { tally_.AdoptWords(std::move(words)); }

 private:
  CorpusTally& tally_;
  // How many words the counter had when the current text began.
  size_t text_first_entry_ = 0;
  // The current text: its running words, its words first met first (the first
  // `text_entry_count_` of `text_entries_`, which only grows), per word of the counter its count
  // in the text, and its capitals as FirstSeenCounter::AddCapitals takes them but by the words'
  // first-seen indexes, for a text given up.
  int64_t text_words_ = 0;
  std::vector<uint32_t> text_entries_;
  size_t text_entry_count_ = 0;
  std::vector<int64_t> count_in_text_;
  std::vector<uint32_t> text_capitals_;
  std::vector<CorpusTally::WordCount> text_counts_;
};

}  // namespace tarn
