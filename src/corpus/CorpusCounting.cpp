#include "corpus/CorpusCounting.h"

#include <utility>

#include "corpus/CorpusText.h"
#include "corpus/JobPool.h"

namespace tarn {

std::vector<SkippedText> CountCorpusTexts(const std::vector<std::string>& paths, size_t threads,
                                          const ConversionSettings& conversion,
                                          const std::function<void(const FirstSeenCounter&)>& add) {
  CorpusFiles corpus = ListCorpusFiles(paths);
  std::vector<SkippedText> skipped = std::move(corpus.skipped);
  RunJobsInOrder<CountedText>(
      corpus.files.size(), threads,
      [&](size_t i) { return CountCorpusText(corpus.files[i], conversion); },
      [&](size_t i, CountedText& text) {
        if (text.failure.empty()) {
          add(text.words);
        } else {
          skipped.push_back({corpus.files[i], std::move(text.failure)});
        }
      });
  return skipped;
}

std::string SkippedMessage(const std::vector<SkippedText>& skipped, const std::string& whose) {
  std::string message = whose + "以下 " + std::to_string(skipped.size()) + " 项没有统计：";
  for (const SkippedText& text : skipped) message += '\r' + text.reason;
  return message;
}

}  // namespace tarn
