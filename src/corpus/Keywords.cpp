#include "corpus/Keywords.h"

#include <algorithm>
#include <cmath>

#include "analysis/DocumentGuard.h"
#include "corpus/FixedDecimals.h"
#include "text/CodePage936.h"
#include "wordlists/UserPort.h"
#include "wordtable/Hashtable.h"

namespace tarn {

namespace {

// O·ln(O/E), which tends to 0 as O does.
double CellTerm(double observed, double expected) {
  return observed > 0 ? observed * std::log(observed / expected) : 0.0;
}

// Whether the word's share of the text's running words exceeds its share of the reference's,
// compared exactly.
bool MoreFrequentInText(const WordCounts& counts) {
  return static_cast<__int128>(counts.count) * counts.reference_words >
         static_cast<__int128>(counts.reference_count) * counts.running_words;
}

}  // namespace

double LogLikelihood(const WordCounts& counts) {
  const double a = static_cast<double>(counts.count);
  const double b = static_cast<double>(counts.reference_count);
  const double n1 = static_cast<double>(counts.running_words);
  const double n2 = static_cast<double>(counts.reference_words);
  const double both = a + b;
  return 2.0 * (CellTerm(a, n1 * both / (n1 + n2)) + CellTerm(b, n2 * both / (n1 + n2)));
}

double LogRatio(const WordCounts& counts) {
  const double a = counts.count > 0 ? static_cast<double>(counts.count) : 0.5;
  const double b = counts.reference_count > 0 ? static_cast<double>(counts.reference_count) : 0.5;
  return std::log2((a / static_cast<double>(counts.running_words)) /
                   (b / static_cast<double>(counts.reference_words)));
}

std::vector<Keyword> FindKeywords(const THashTable& words, int64_t running_words,
                                  const ReferenceCounts& reference, int64_t min_count) {
  std::vector<Keyword> keywords;
  words.ForEach([&](const THashItem& item) {
    if (item.Count < std::max<int64_t>(min_count, 1)) return;
    std::string word = Utf16ToCp936(item.Key);
    const WordCounts counts{item.Count, running_words, reference.CountOf(word),
                            reference.RunningWords()};
    if (!MoreFrequentInText(counts)) return;
    keywords.push_back({std::move(word), counts.count, counts.reference_count,
                        LogLikelihood(counts), LogRatio(counts)});
  });
  std::sort(keywords.begin(), keywords.end(), [](const Keyword& a, const Keyword& b) {
    if (a.log_likelihood != b.log_likelihood) return a.log_likelihood > b.log_likelihood;
    if (a.count != b.count) return a.count > b.count;
    return a.word < b.word;
  });
  return keywords;
}

std::string KeywordListingText(const std::vector<Keyword>& keywords) {
  std::string text;
  for (const Keyword& keyword : keywords) {
    text += keyword.word + '\t' + std::to_string(keyword.count) + '\t' +
            std::to_string(keyword.reference_count) + '\t' +
            FixedDecimals(keyword.log_likelihood, 2) + '\t' + FixedDecimals(keyword.log_ratio, 2) +
            '\r';
  }
  return text;
}

void ShowKeywords(StatisticsState& state, const std::function<ReferenceCounts()>& reference,
                  UserPort& port) {
  if (!RequireDocument(state, port)) return;
  BusyCursor busy(port);
  const ReferenceCounts counts = reference();
  state.text_view = KeywordListingText(FindKeywords(*state.WordTable, state.TotalWords, counts));
}

}  // namespace tarn
