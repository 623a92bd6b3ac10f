#include "corpus/CorpusTextCounts.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace tarn {

void CorpusTextCounts::Counted(const FirstSeenCounter& words, const uint32_t* entries,
                               size_t count) {
  for (size_t entry = folded_.size(); entry < words.DistinctCount(); ++entry) {
    folded_.push_back(FoldedIndexOf(words, entry));
  }
  if (count_in_text_.size() < folded_.size()) count_in_text_.resize(folded_.size());
  // Whether a word is new to the text depends on the text: each word is written after the
  // text's words so far and kept only if it is new, without a branch to mispredict.
  const size_t before = text_entries_.size();
  text_entries_.resize(before + count);
  uint32_t* const out = text_entries_.data() + before;
  size_t kept = 0;
  for (size_t i = 0; i < count; ++i) {
    out[kept] = entries[i];
    kept += count_in_text_[entries[i]]++ == 0 ? 1 : 0;
  }
  text_entries_.resize(before + kept);
  text_words_ += static_cast<int64_t>(count);
}

uint32_t CorpusTextCounts::FoldedIndexOf(const FirstSeenCounter& words, size_t entry) {
  // A word has three forms: in lower case, with a hidden capital and with a shown one. Words
  // met with a capital are few, so they are kept apart, and a word in lower case is looked up
  // among them alone.
  const std::string_view word = words.WordAt(entry);
  const auto several = [this](uint32_t earlier) {
    folded_[earlier] |= kOfSeveralForms;
    return folded_[earlier];
  };
  if (word[0] >= 'a' && word[0] <= 'z') {
    if (capitalised_.DistinctCount() == 0) return folded_words_++;
    const std::optional<size_t> capitalised = capitalised_.IndexOf(word);
    return capitalised ? several(capitalised_entries_[*capitalised]) : folded_words_++;
  }
  std::string lower(word);
  lower[0] = UnmarkedLetter(lower[0]);
  if (const std::optional<size_t> capitalised = capitalised_.IndexOf(lower)) {
    return several(capitalised_entries_[*capitalised]);
  }
  capitalised_.Add(lower);
  capitalised_entries_.push_back(static_cast<uint32_t>(entry));
  const std::optional<size_t> plain = words.IndexOf(lower);
  return plain && *plain < entry ? several(static_cast<uint32_t>(*plain)) : folded_words_++;
}

void CorpusTextCounts::TextEnded() {
  // A word met with a capital and without is one word of the text: its counts make one pair,
  // at the place of its first form. Every word gets its pair first, and the words of several
  // forms, which are few, are then looked for among themselves.
  const size_t words = text_entries_.size();
  folded_counts_.resize(words);
  several_.resize(words);
  size_t severals = 0;
  for (size_t i = 0; i < words; ++i) {
    const uint32_t entry = text_entries_[i];
    const uint32_t folded = folded_[entry];
    folded_counts_[i] = {folded & ~kOfSeveralForms, std::exchange(count_in_text_[entry], 0)};
    several_[severals] = static_cast<uint32_t>(i);
    severals += (folded & kOfSeveralForms) != 0 ? 1 : 0;
  }
  if (place_of_folded_.size() < folded_words_) place_of_folded_.resize(folded_words_);
  bool merged = false;
  for (size_t k = 0; k < severals; ++k) {
    CorpusTally::WordCount& pair = folded_counts_[several_[k]];
    uint32_t& place = place_of_folded_[pair.word];
    if (place == 0) {
      place = several_[k] + 1;
    } else {
      folded_counts_[place - 1].count += std::exchange(pair.count, 0);
      merged = true;
    }
  }
  for (size_t k = 0; k < severals; ++k) place_of_folded_[folded_counts_[several_[k]].word] = 0;
  if (merged) {
    std::erase_if(folded_counts_, [](const CorpusTally::WordCount& pair) { return pair.count == 0; });
  }
  tally_.AddCounts(folded_counts_.data(), folded_counts_.size());
  tally_.EndText(text_words_);
  text_entries_.clear();
  folded_counts_.clear();
  text_words_ = 0;
  text_first_entry_ = folded_.size();
  text_first_folded_ = folded_words_;
  text_first_capitalised_ = capitalised_entries_.size();
}

void CorpusTextCounts::TextDropped(FirstSeenCounter& words) {
  if (!text_entries_.empty()) {
    std::vector<int64_t> counts;
    counts.reserve(text_entries_.size());
    for (const uint32_t entry : text_entries_) counts.push_back(std::exchange(count_in_text_[entry], 0));
    words.TakeBack(text_first_entry_, text_entries_.data(), counts.data(), text_entries_.size());
  }
  folded_.resize(text_first_entry_);
  folded_words_ = text_first_folded_;
  if (capitalised_entries_.size() > text_first_capitalised_) {
    capitalised_.TakeBack(text_first_capitalised_, nullptr, nullptr, 0);
    capitalised_entries_.resize(text_first_capitalised_);
  }
  text_entries_.clear();
  text_words_ = 0;
}

void CorpusTextCounts::Finish(FirstSeenCounter&& words) {
  // Folding keeps the words in the order in which their first forms were met, the order of
  // the folded indexes.
  words.FoldCapitals();
  if (words.DistinctCount() != folded_words_) {
    throw std::logic_error("folded words: " + std::to_string(words.DistinctCount()) + " against " +
                           std::to_string(folded_words_));
  }
  tally_.AdoptWords(std::move(words));
}

}  // namespace tarn
