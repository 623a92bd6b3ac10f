#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <utility>

#include "analysis/CountedWords.h"

namespace tarn {

// How the words of the last counting run were written, as evidence of names: for each counted
// word (the tables' lower-case keys) its occurrences, the eligible ones and how many of those
// began with a capital letter. An occurrence in lower case is always eligible: a name is never
// written so. A capital is eligible only straight after a letter and a space ("said Holmes"),
// or after an abbreviated title's full stop and a space ("Mr. Holmes"); anywhere else (the
// start of the text, of a line or of a sentence, after a comma, a quote or a bracket) a
// sentence may start, and the capital says nothing. Nor does that of a word whose first two
// letters are capitals (a heading, an acronym).
class NameEvidence {
 public:
  // No document: every word has a zero tally.
  NameEvidence() = default;
  // The evidence that a counting run gathered with its words.
  explicit NameEvidence(FirstSeenCounter words);
  // The evidence of counted words that others share; null is no document.
  explicit NameEvidence(std::shared_ptr<const CountedWords> words) : words_(std::move(words)) {}

  // The tally of `word`; zeros for a word that was not counted.
  WordTally Of(std::u16string_view word) const;
  // Calls `visit(std::string_view word, const WordTally& tally)` for every counted word, first
  // seen first.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    if (words_) words_->ForEachTally(visit);
  }
  // The same for the words with a capitalised occurrence (a tally whose `capitalised` is not 0),
  // first seen first.
  template <typename Visit>
  void ForEachCapitalised(Visit&& visit) const {
    if (words_) words_->ForEachCapitalised(visit);
  }

 private:
  std::shared_ptr<const CountedWords> words_;
};

// Whether the lower-case `word` is one of the abbreviated titles of IsTitleBeforeName.
bool IsListedTitle(std::string_view word);

// The length of the longest abbreviated title of IsTitleBeforeName (messrs).
inline constexpr size_t kLongestTitleBeforeName = 6;

// Whether the lower-case `word` is an abbreviated title written before a name with a full stop
// (mr, mrs, dr, st ...), after which a capital is still evidence. Most words are turned away by
// their length and first letter.
inline bool IsTitleBeforeName(std::string_view word) {
  if (word.size() < 2 || word.size() > kLongestTitleBeforeName) return false;
  switch (word[0]) {
    case 'c':
    case 'd':
    case 'g':
    case 'l':
    case 'm':
    case 'p':
    case 'r':
    case 's':
      return IsListedTitle(word);
    default:
      return false;
  }
}

}  // namespace tarn
