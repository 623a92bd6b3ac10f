#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/FirstSeenCounter.h"

namespace tarn {

struct StatisticsState;

// Whether the lower-case `word` is no vocabulary however it is written: a single letter, a
// Roman numeral (the standard form of 1 to 3999, as ii, xiv, mdccc; but mi and mix are words)
// or an abbreviated title (mr, mrs, st, jr, esq ...).
bool IsNonWord(std::u16string_view word);

// Whether the lower-case `word` is a name by `evidence`, how the last run saw it written: it
// occurs at least twice, stands at least once where no sentence starts, and has a capital in at
// least nine in ten of those places. A non-word is never a name, nor is an ordinary word that
// English writes with a capital as a title or a form of address (miss, sir, lord, god ...).
bool IsName(std::u16string_view word, const WordTally& evidence);

// Whether a counted word (a lower-case key) is a proper name of its document.
using NameTest = std::function<bool(const std::u16string& word)>;

// IsName over the evidence of `state`'s last counting run. It reads `state`, which must outlive
// it, and may be called from several threads at once.
NameTest NamesOfDocument(const StatisticsState& state);

// A name of the document and how often it occurs.
struct NameCount {
  std::u16string word;
  int64_t count;

  bool operator==(const NameCount&) const = default;
};

// The names among the words of the last counting run with the stop words removed (`state`'s
// WordTable), most frequent first, equal counts in word order. Empty before any run.
std::vector<NameCount> DetectedNames(const StatisticsState& state);

}  // namespace tarn
