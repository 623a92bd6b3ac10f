#include "corpus/CorpusTextCounts.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace tarn {

void CorpusTextCounts::Counted(const FirstSeenCounter& words, const uint32_t* entries,
                               size_t count, const uint32_t* capitals, size_t capital_count) {
  text_words_ += static_cast<int64_t>(count);
  // A text begun with the counter empty has all of its words and counts: they are read from it
  // when the text ends, and a corpus of one large text costs no more than the text alone.
  if (text_first_entry_ == 0) return;
  if (count_in_text_.size() < words.DistinctCount()) count_in_text_.resize(words.DistinctCount());
  // Whether a word is new to the text depends on the text: each word is written after the
  // text's words so far and kept only if it is new, without a branch to mispredict.
  if (text_entries_.size() < text_entry_count_ + count) {
    text_entries_.resize(std::max(text_entry_count_ + count, 2 * text_entries_.size()));
  }
  uint32_t* const out = text_entries_.data() + text_entry_count_;
  size_t kept = 0;
  for (size_t i = 0; i < count; ++i) {
    out[kept] = entries[i];
    kept += count_in_text_[entries[i]]++ == 0 ? 1 : 0;
  }
  text_entry_count_ += kept;
  for (size_t i = 0; i < capital_count; ++i) {
    text_capitals_.push_back((entries[capitals[i] >> 1] << 1) | (capitals[i] & 1));
  }
}

void CorpusTextCounts::TextEnded(const FirstSeenCounter& words) {
  const bool whole_counter = text_first_entry_ == 0;
  const size_t text_distinct = whole_counter ? words.DistinctCount() : text_entry_count_;
  const auto take_counts = [&](std::vector<CorpusTally::WordCount>& counts) {
    counts.resize(text_distinct);
    if (whole_counter) {
      uint32_t word = 0;
      words.ForEach([&](std::string_view, int64_t count) {
        counts[word] = {word, count};
        ++word;
      });
      return;
    }
    for (size_t i = 0; i < text_entry_count_; ++i) {
      counts[i] = {text_entries_[i], std::exchange(count_in_text_[text_entries_[i]], 0)};
    }
  };
  if (text_distinct <= largest_handed_over_) {
    EndedText text;
    {
      const std::lock_guard lock(ended_mutex_);
      if (!spare_counts_.empty()) {
        text.counts = std::move(spare_counts_.back());
        spare_counts_.pop_back();
      }
    }
    take_counts(text.counts);
    text.running_words = text_words_;
    const std::lock_guard lock(ended_mutex_);
    ended_.push_back(std::move(text));
  } else {
    take_counts(text_counts_);
    const std::lock_guard lock(tally_mutex_);
    AddWaitingTexts();
    tally_.AddCounts(text_counts_.data(), text_counts_.size());
    tally_.EndText(text_words_);
  }
  text_entry_count_ = 0;
  text_capitals_.clear();
  text_words_ = 0;
  text_first_entry_ = words.DistinctCount();
}

void CorpusTextCounts::AddEndedTexts() {
  const std::lock_guard lock(tally_mutex_);
  AddWaitingTexts();
}

void CorpusTextCounts::AddWaitingTexts() {
  {
    const std::lock_guard lock(ended_mutex_);
    adding_.swap(ended_);
  }
  for (const EndedText& text : adding_) {
    tally_.AddCounts(text.counts.data(), text.counts.size());
    tally_.EndText(text.running_words);
  }
  const std::lock_guard lock(ended_mutex_);
  for (EndedText& text : adding_) spare_counts_.push_back(std::move(text.counts));
  adding_.clear();
}

void CorpusTextCounts::TextDropped(FirstSeenCounter& words) {
  if (text_first_entry_ == 0) {
    // Everything in the counter came from the text.
    if (words.DistinctCount() > 0) words.TakeBack(0, nullptr, nullptr, 0);
  } else if (text_entry_count_ > 0) {
    // What the text added to each of its words: every occurrence eligible but those with a
    // hidden capital, the shown capitals capitalised.
    std::vector<WordTally> less(text_entry_count_);
    for (size_t i = 0; i < text_entry_count_; ++i) {
      int64_t& count = count_in_text_[text_entries_[i]];
      less[i] = {count, count, 0};
      count = static_cast<int64_t>(i);  // its place in `less`, until the capitals are in
    }
    for (const uint32_t capital : text_capitals_) {
      WordTally& tally = less[static_cast<size_t>(count_in_text_[capital >> 1])];
      if ((capital & 1) != 0) {
        ++tally.capitalised;
      } else {
        --tally.eligible;
      }
    }
    for (size_t i = 0; i < text_entry_count_; ++i) count_in_text_[text_entries_[i]] = 0;
    words.TakeBack(text_first_entry_, text_entries_.data(), less.data(), less.size());
  }
  count_in_text_.resize(text_first_entry_);
  text_entry_count_ = 0;
  text_capitals_.clear();
  text_words_ = 0;
}

}  // namespace tarn
