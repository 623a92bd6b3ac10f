#pragma once

#include <string>

#include "analysis/StatisticsState.h"
#include "corpus/CorpusStatistics.h"

namespace tarn {

class THashTable;
class UserPort;

// The corpus listing of `words` (the counted words of a corpus run): for each word with a
// count, in the table's listing order, WORD, COUNT, RANGE and DP (three decimals) separated by
// TABs and followed by a CR, in code page 936.
std::string CorpusListingText(const THashTable& words, const CorpusStatistics& corpus);

// Puts the corpus listing of the state's word table into the text view. When the last run was
// no corpus run, says so through `port` and changes nothing.
void ShowCorpusListing(StatisticsState& state, const CorpusStatistics& corpus, UserPort& port);

}  // namespace tarn
