#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/StatisticsState.h"
#include "corpus/CorpusStatistics.h"

namespace tarn {

class THashTable;
class UserPort;

// One word of the corpus listing.
struct CorpusListingRow {
  std::string word;  // code page 936
  int64_t count = 0;
  WordSpread spread;
};

// The corpus listing of `words` (the counted words of a corpus run): each word with a count, in
// the table's listing order, with its range and DP.
std::vector<CorpusListingRow> CorpusListingRows(const THashTable& words,
                                                const CorpusStatistics& corpus);

// A DP as the listing writes it: three decimals, a full stop between.
std::string DpText(double dp);

// The corpus listing of `words` as text: for each row WORD, COUNT, RANGE and DP separated by
// TABs and followed by a CR, in code page 936.
std::string CorpusListingText(const THashTable& words, const CorpusStatistics& corpus);

// Puts the corpus listing of the state's word table into the text view. When the last run was
// no corpus run, says so through `port` and changes nothing.
void ShowCorpusListing(StatisticsState& state, const CorpusStatistics& corpus, UserPort& port);

// Whether `corpus` describes the state's last run; when not, says so through `port`.
bool RequireCorpus(const StatisticsState& state, const CorpusStatistics& corpus, UserPort& port);

}  // namespace tarn
