#include "corpus/CorpusCount.h"

#include <utility>

namespace tarn {

CorpusCount CountCorpus(const std::vector<std::string>& paths, size_t threads,
                        const ConversionSettings& conversion, RunProgress* progress) {
  CorpusCount count;
  static_cast<CorpusSkips&>(count) = CountCorpusTexts(
      paths, threads, conversion,
      [&count](const std::string& file, FirstSeenCounter&& words) {
        count.tally.AddText(std::move(words));
        count.texts.push_back(file);
      },
      progress);
  return count;
}

}  // namespace tarn
