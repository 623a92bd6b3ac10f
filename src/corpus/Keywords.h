#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "analysis/StatisticsState.h"
#include "corpus/ReferenceCounts.h"

namespace tarn {

class THashTable;
class UserPort;

// Words of fewer occurrences than this in the counted text are never keywords.
inline constexpr int64_t kKeywordMinCount = 3;

// How often a word occurs in the counted text (of `running_words` words) and in a reference
// (of `reference_words` words). Both sizes must be positive.
struct WordCounts {
  int64_t count;
  int64_t running_words;
  int64_t reference_count;
  int64_t reference_words;
};

// Dunning's log-likelihood: G² = 2·Σ O·ln(O/E) over the word's cell in the text and in the
// reference, each expected count E its side's share of the two counts summed, and a cell
// without occurrences adding nothing. 0 when the word is as frequent on both sides.
double LogLikelihood(const WordCounts& counts);

// The effect size: log₂ of the word's relative frequency in the text over that in the
// reference, a count of zero on either side taken as 0.5.
double LogRatio(const WordCounts& counts);

// A keyword: the word (lower case, code page 936), its counts on both sides, G² and log ratio.
struct Keyword {
  std::string word;
  int64_t count;
  int64_t reference_count;
  double log_likelihood;
  double log_ratio;
};

// The keywords of `words` (the counted words, which the text's `running_words` include) against
// `reference`: every word with a count of at least `min_count` that is relatively more frequent
// in the text than in the reference, by G² descending, ties by count descending, then by word in
// byte order.
std::vector<Keyword> FindKeywords(const THashTable& words, int64_t running_words,
                                  const ReferenceCounts& reference,
                                  int64_t min_count = kKeywordMinCount);

// The keyword listing: WORD, COUNT, REFCOUNT, G2 and LOGRATIO (both with two decimals) separated
// by TABs, each line followed by a CR, in code page 936.
std::string KeywordListingText(const std::vector<Keyword>& keywords);

// Puts the keywords of the last run's words (the state's word table: stop words removed, as the
// run's listing shows them) against the reference that `reference` reads into the text view.
// Before the first counting run only tells the user to open a document, and reads nothing. An
// Error of `reference` is thrown on with the state as it was.
void ShowKeywords(StatisticsState& state, const std::function<ReferenceCounts()>& reference,
                  UserPort& port);

}  // namespace tarn
