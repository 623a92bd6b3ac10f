#include "corpus/CorpusListing.h"

#include "corpus/FixedDecimals.h"
#include "text/CodePage936.h"
#include "wordlists/UserPort.h"
#include "wordtable/Hashtable.h"

namespace tarn {

std::string CorpusListingText(const THashTable& words, const CorpusStatistics& corpus) {
  std::string text;
  words.ForEach([&](const THashItem& item) {
    if (item.Count == 0) return;
    const std::string word = Utf16ToCp936(item.Key);
    const WordSpread spread = corpus.SpreadOf(word).value_or(WordSpread{});
    text += word + '\t' + std::to_string(item.Count) + '\t' + std::to_string(spread.range) + '\t' +
            FixedDecimals(spread.dp, 3) + '\r';
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
