#include "corpus/CorpusListing.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

#include "corpus/FixedDecimals.h"
#include "text/CodePage936.h"
#include "text/DecimalLength.h"
#include "wordlists/UserPort.h"
#include "wordtable/Hashtable.h"

namespace tarn {

namespace {

// Calls `visit(CorpusListingRow&& row)` for each row of the corpus listing of `words`, in order.
// The spreads are looked up a batch of rows at a time.
template <typename Visit>
void ForEachCorpusListingRow(const THashTable& words, const CorpusStatistics& corpus,
                             Visit&& visit) {
  std::array<CorpusListingRow, CountedWords::kBatch> rows;
  std::array<std::string_view, CountedWords::kBatch> keys;
  std::array<WordSpread, CountedWords::kBatch> spreads;
  size_t filled = 0;
  const auto flush = [&] {
    for (size_t i = 0; i < filled; ++i) keys[i] = rows[i].word;
    corpus.SpreadsOf(keys.data(), filled, spreads.data());
    for (size_t i = 0; i < filled; ++i) {
      rows[i].spread = spreads[i];
      visit(std::move(rows[i]));
    }
    filled = 0;
  };
  words.ForEach([&](const THashItem& item) {
    if (item.Count == 0) return;
    rows[filled].word = Utf16ToCp936(item.Key);
    rows[filled].count = item.Count;
    if (++filled == rows.size()) flush();
  });
  flush();
}

}  // namespace

std::vector<CorpusListingRow> CorpusListingRows(const THashTable& words,
                                                const CorpusStatistics& corpus) {
  std::vector<CorpusListingRow> rows;
  rows.reserve(static_cast<size_t>(words.ItemCount()));
  ForEachCorpusListingRow(words, corpus,
                          [&rows](CorpusListingRow&& row) { rows.push_back(std::move(row)); });
  return rows;
}

std::string DpText(double dp) { return FixedDecimals(dp, 3); }

std::string CorpusListingText(const THashTable& words, const CorpusStatistics& corpus) {
  // Written row by row: the rows of a large corpus would take more room than their text. The
  // room for the text is reckoned from the table alone, so that it is allocated once: a key has
  // at most two bytes a unit, a range no more digits than the number of texts, and a DP is
  // "0.xxx" or "1.000".
  const auto range_digits =
      static_cast<size_t>(DecimalLength(static_cast<int64_t>(corpus.Texts())));
  size_t room = 0;
  words.ForEach([&](const THashItem& item) {
    if (item.Count == 0) return;
    room += 2 * item.Key.size() + 1 + static_cast<size_t>(DecimalLength(item.Count)) + 1 +
            range_digits + 1 + 5 + 1;
  });
  std::string text;
  text.reserve(room);
  ForEachCorpusListingRow(words, corpus, [&text](CorpusListingRow&& row) {
    text += row.word;
    text += '\t';
    text += std::to_string(row.count);
    text += '\t';
    text += std::to_string(row.spread.range);
    text += '\t';
    text += DpText(row.spread.dp);
    text += '\r';
  });
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
