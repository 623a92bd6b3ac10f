#pragma once

#include <string>

#include "profile/VocabularyProfile.h"

namespace tarn {

struct StatisticsState;

// The test that takes a counted word of `state` for a proper name of its document. It reads
// `state`, which must outlive it.
NameTest NamesOfDocument(const StatisticsState& state);

// Whether the lower-case `word` is no vocabulary at all: a single letter, a Roman numeral or a
// title written before names (mr, mrs, st, dr ...).
bool IsNonWord(const std::u16string& word);

}  // namespace tarn
