#include "corpus/CorpusCount.h"

#include <utility>

#include "corpus/CorpusText.h"
#include "corpus/JobPool.h"

namespace tarn {

std::vector<SkippedText> CorpusCount::Skipped() const {
  std::vector<SkippedText> skipped = unlisted;
  skipped.insert(skipped.end(), failed.begin(), failed.end());
  return skipped;
}

CorpusCount CountCorpus(const std::vector<std::string>& paths, size_t threads,
                        const ConversionSettings& conversion) {
  CorpusFiles corpus = ListCorpusFiles(paths);
  CorpusCount count;
  count.unlisted = std::move(corpus.skipped);
  RunJobsInOrder<CountedText>(
      corpus.files.size(), threads,
      [&](size_t i) { return CountCorpusText(corpus.files[i], conversion); },
      [&](size_t i, CountedText& text) {
        if (text.failure.empty()) {
          count.tally.AddText(text.words);
          count.texts.push_back(corpus.files[i]);
        } else {
          count.failed.push_back({corpus.files[i], std::move(text.failure)});
        }
      });
  return count;
}

std::string SkippedMessage(const std::vector<SkippedText>& skipped) {
  std::string message = "以下 " + std::to_string(skipped.size()) + " 项没有统计：";
  for (const SkippedText& text : skipped) message += '\r' + text.reason;
  return message;
}

}  // namespace tarn
