#include "corpus/CorpusListing.h"

#include <charconv>

#include "text/CodePage936.h"
#include "wordlists/UserPort.h"
#include "wordtable/Hashtable.h"

namespace tarn {

std::string CorpusListingText(const THashTable& words, const CorpusStatistics& corpus) {
  std::string text;
  char dp[32];
  words.ForEach([&](const THashItem& item) {
    if (item.Count == 0) return;
    const std::string word = Utf16ToCp936(item.Key);
    const WordSpread spread = corpus.SpreadOf(word).value_or(WordSpread{});
    const auto written = std::to_chars(dp, dp + sizeof dp, spread.dp, std::chars_format::fixed, 3);
    text += word + '\t' + std::to_string(item.Count) + '\t' + std::to_string(spread.range) + '\t' +
            std::string(dp, written.ptr) + '\r';
  });
  return text;
}

void ShowCorpusListing(StatisticsState& state, const CorpusStatistics& corpus, UserPort& port) {
  if (!corpus.DescribesLastRun(state)) {
    port.ShowMessage("请先打开多个文件并统计！");
    return;
  }
  state.text_view = CorpusListingText(*state.WordTable, corpus);
}

}  // namespace tarn
