#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "analysis/CountedTexts.h"
#include "analysis/FirstSeenCounter.h"
#include "corpus/CorpusTally.h"

namespace tarn {

// Turns a stream of texts counted into one counter (WordStreamCounter::CountTexts) into a
// CorpusTally: each text's counts by folded word as the text ends, and the counter's words,
// their capitals folded, once the stream is over. The tally is the one that adding each text
// counted on its own would give, with the words looked up once, not once in the text and again
// in the corpus.
class CorpusTextCounts : public CountedTexts {
 public:
  explicit CorpusTextCounts(CorpusTally& tally) : tally_(tally) {}

  void Counted(const FirstSeenCounter& words, const uint32_t* entries, size_t count) override;
  void TextEnded() override;
  void TextDropped(FirstSeenCounter& words) override;

  // Hands the counted words to the tally, their capitals folded; call once the stream is over.
  void Finish(FirstSeenCounter&& words);

 private:
  // Marks a folded index in `folded_` whose word has more than one form in the counter.
  static constexpr uint32_t kOfSeveralForms = uint32_t{1} << 31;
  // The index among the folded words of the counter's word at `entry`, whose folded index is
  // still to find: that of an earlier form of the same word (with a capital or without), or the
  // next one. Marks the forms of a word of several.
  uint32_t FoldedIndexOf(const FirstSeenCounter& words, size_t entry);

  CorpusTally& tally_;
  // Per word of the counter, in first-seen order: its folded word's index, with
  // kOfSeveralForms; how many folded words there are.
  std::vector<uint32_t> folded_;
  uint32_t folded_words_ = 0;
  // The words met with a capital, in lower case, first met first, and the index in the counter
  // of the first form of each.
  FirstSeenCounter capitalised_;
  std::vector<uint32_t> capitalised_entries_;
  // What the counter, the folded words and the capitalised ones were when the current text
  // began.
  size_t text_first_entry_ = 0;
  uint32_t text_first_folded_ = 0;
  size_t text_first_capitalised_ = 0;
  // The current text: its running words, its words first met first, and per word of the
  // counter its count in the text.
  int64_t text_words_ = 0;
  std::vector<uint32_t> text_entries_;
  std::vector<int64_t> count_in_text_;
  // The same by folded word, as a text ends; the places in it of the words of several forms;
  // per folded word, 0 or its place plus one while a text ends.
  std::vector<CorpusTally::WordCount> folded_counts_;
  std::vector<uint32_t> several_;
  std::vector<uint32_t> place_of_folded_;
};

}  // namespace tarn
