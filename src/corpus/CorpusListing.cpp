#include "corpus/CorpusListing.h"

#include <utility>

#include "corpus/FixedDecimals.h"
#include "text/CodePage936.h"
#include "wordlists/UserPort.h"
#include "wordtable/Hashtable.h"

namespace tarn {

std::vector<CorpusListingRow> CorpusListingRows(const THashTable& words,
                                                const CorpusStatistics& corpus) {
  std::vector<CorpusListingRow> rows;
  rows.reserve(static_cast<size_t>(words.ItemCount()));
  words.ForEach([&](const THashItem& item) {
    if (item.Count == 0) return;
    std::string word = Utf16ToCp936(item.Key);
    const WordSpread spread = corpus.SpreadOf(word).value_or(WordSpread{});
    rows.push_back({std::move(word), item.Count, spread});
  });
  return rows;
}

std::string DpText(double dp) { return FixedDecimals(dp, 3); }

std::string CorpusListingText(const THashTable& words, const CorpusStatistics& corpus) {
  std::string text;
  for (const CorpusListingRow& row : CorpusListingRows(words, corpus)) {
    text += row.word + '\t' + std::to_string(row.count) + '\t' +
            std::to_string(row.spread.range) + '\t' + DpText(row.spread.dp) + '\r';
  }
  return text;
}

bool RequireCorpus(const StatisticsState& state, const CorpusStatistics& corpus, UserPort& port) {
  if (corpus.DescribesLastRun(state)) return true;
  port.ShowMessage("请先打开多个文件并统计！");
  return false;
}

void ShowCorpusListing(StatisticsState& state, const CorpusStatistics& corpus, UserPort& port) {
  if (!RequireCorpus(state, corpus, port)) return;
  state.text_view = CorpusListingText(*state.WordTable, corpus);
}

}  // namespace tarn
