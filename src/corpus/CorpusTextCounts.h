#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "analysis/CountedTexts.h"
#include "analysis/FirstSeenCounter.h"
#include "corpus/CorpusTally.h"

namespace tarn {

// Turns a stream of texts counted into one counter (WordStreamCounter::CountTexts) into a
// CorpusTally: each text's counts as the text ends, and the counter's words once the stream is
// over. The tally is the one that adding each text counted on its own would give, with the
// words looked up once, not once in the text and again in the corpus.
//
// The counting thread is the one a stream waits for, so it hands each text's counts over as
// they are, and the thread that feeds the texts writes them into the tally (AddEndedTexts). A
// text of more than `largest_handed_over` distinct words would take much room on the way: the
// counting thread writes it itself, after the texts still on their way.
class CorpusTextCounts : public CountedTexts {
 public:
  static constexpr size_t kLargestHandedOver = size_t{1} << 16;

  explicit CorpusTextCounts(CorpusTally& tally, size_t largest_handed_over = kLargestHandedOver)
      : tally_(tally), largest_handed_over_(largest_handed_over) {}

  void Counted(const FirstSeenCounter& words, const uint32_t* entries, size_t count,
               const uint32_t* capitals, size_t capital_count) override;
  void TextEnded(const FirstSeenCounter& words) override;
  void TextDropped(FirstSeenCounter& words) override;

  // Adds the texts handed over since the last call to the tally, in their order; call on the
  // thread that feeds the texts, at any time.
  void AddEndedTexts();
  // Adds the last texts handed over and hands the counted words to the tally; call once the
  // stream is over.
  void Finish(FirstSeenCounter&& words) {
    AddEndedTexts();
    tally_.AdoptWords(std::move(words));
  }

 private:
  // A text whose counts wait to be added to the tally.
  struct EndedText {
    std::vector<CorpusTally::WordCount> counts;
    int64_t running_words = 0;
  };

  // Adds the texts waiting in `ended_` to the tally; `tally_mutex_` is held.
  void AddWaitingTexts();

  CorpusTally& tally_;
  const size_t largest_handed_over_;
  // Whoever writes into the tally holds `tally_mutex_`, and then `ended_mutex_` while taking
  // texts from `ended_`; the counting thread takes only `ended_mutex_` to hand a text over, so
  // it never waits for the tally. Count vectors written out come back as spares.
  std::mutex tally_mutex_;
  std::mutex ended_mutex_;
  std::vector<EndedText> ended_;
  std::vector<EndedText> adding_;
  std::vector<std::vector<CorpusTally::WordCount>> spare_counts_;
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
