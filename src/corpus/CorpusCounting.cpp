#include "corpus/CorpusCounting.h"

#include <utility>

#include "analysis/RunProgress.h"
#include "corpus/CorpusText.h"
#include "corpus/JobPool.h"

namespace tarn {

std::vector<SkippedText> CorpusSkips::Skipped() const {
  std::vector<SkippedText> skipped = unlisted;
  skipped.insert(skipped.end(), failed.begin(), failed.end());
  return skipped;
}

CorpusSkips CountCorpusTexts(
    const std::vector<std::string>& paths, size_t threads, const ConversionSettings& conversion,
    const std::function<void(const std::string&, FirstSeenCounter&&)>& add,
    RunProgress* progress) {
  CorpusFiles corpus = ListCorpusFiles(paths);
  CorpusSkips skipped;
  skipped.unlisted = std::move(corpus.skipped);
  std::vector<uint64_t> sizes;
  if (progress != nullptr) {
    progress->ThrowIfCancelled();
    uint64_t bytes = 0;
    for (const std::string& file : corpus.files) bytes += sizes.emplace_back(FileSizeOrZero(file));
    progress->Begin(corpus.files.size(), bytes);
  }
  RunJobsInOrder<CountedText>(
      corpus.files.size(), threads,
      [&](size_t i) {
        FileProgress file(progress, corpus.files[i], progress != nullptr ? sizes[i] : 0);
        CountedText text = CountCorpusText(corpus.files[i], conversion, &file);
        file.Done();
        return text;
      },
      [&](size_t i, CountedText& text) {
        if (text.failure.empty()) {
          add(corpus.files[i], std::move(text.words));
        } else {
          skipped.failed.push_back({corpus.files[i], std::move(text.failure)});
        }
      });
  if (progress != nullptr) progress->ThrowIfCancelled();
  return skipped;
}

std::string SkippedMessage(const std::vector<SkippedText>& skipped, const std::string& whose) {
  std::string message = whose + "以下 " + std::to_string(skipped.size()) + " 项没有统计：";
  for (const SkippedText& text : skipped) message += '\r' + text.reason;
  return message;
}

}  // namespace tarn
