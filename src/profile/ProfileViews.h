#pragma once

#include <functional>
#include <string>

#include "profile/VocabularyProfile.h"

namespace tarn {

struct Lexicon;
class UserPort;

// Whether a counted word is no vocabulary at all: a single letter, a Roman numeral, a title.
using NonWordTest = std::function<bool(const std::u16string& word)>;

// "超出等级的生词": the merged, stop-word-free words of the counted document whose base form is
// in no list up to `level` (an index in the lists' levels), names and non-words left out, most
// frequent first. Like the other views it makes its result the new SnapshotTable and writes its
// summary and listing; it needs a counting run first.
void ShowBeyondView(StatisticsState& state, const Lexicon& lexicon, UserPort& port,
                    const WordPlacement& placement, const NonWordTest& is_non_word, int level);

// The names the profile's 专有名词 row counts, as a view, most frequent first.
void ShowNamesView(StatisticsState& state, UserPort& port, const WordPlacement& placement);

// The words of `row` of a profile of the counted document, as a view, most frequent first.
void ShowRowView(StatisticsState& state, UserPort& port, const WordPlacement& placement,
                 const ProfileRow& row);

}  // namespace tarn
