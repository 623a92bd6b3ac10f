#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "analysis/StatisticsState.h"
#include "morphology/Lexicon.h"

namespace tarn {

// What a word of the listing stands for: itself (after a counting run, 查看全部单词统计 and
// 查看过略词后统计) or, after the merged views, every counted word folded into it.
enum class FormScope { kWordAlone, kMerged, kFilteredMerged };

// How the view of a scope gathers the counted words under the words it lists, worked out once
// for all of them.
class ViewFolding {
 public:
  // Follows the view of `scope` over the counted words of `state`: in the merged scopes
  // exactly as the view folds them (the irregular pairs, then StemWord, in the table's order).
  ViewFolding(const StatisticsState& state, const Lexicon& lexicon, FormScope scope);

  // The counted words (lower case, code page 936, sorted) that `word` (any case) stands for:
  // the words whose counts the view gathers under it, or the word alone when the scope is
  // kWordAlone or the word is no word the view lists.
  std::vector<std::string> FormsOf(std::string_view word) const;

 private:
  FormScope scope_;
  // The counted words, grouped by the listed word that holds their counts.
  std::vector<std::string> words_;
  std::vector<uint32_t> grouped_;
  // Each listed word's group: where it starts and ends in grouped_.
  std::unordered_map<std::string, std::pair<uint32_t, uint32_t>> groups_;
};

// ViewFolding(state, lexicon, scope).FormsOf(word), for a single word.
std::vector<std::string> FormsOf(const StatisticsState& state, const Lexicon& lexicon,
                                 FormScope scope, std::string_view word);

}  // namespace tarn
