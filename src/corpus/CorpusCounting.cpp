#include "corpus/CorpusCounting.h"

#include <utility>

#include "analysis/RunProgress.h"

namespace tarn {

std::vector<SkippedText> CorpusSkips::Skipped() const {
  std::vector<SkippedText> skipped = unlisted;
  skipped.insert(skipped.end(), failed.begin(), failed.end());
  return skipped;
}

ListedCorpus ListCorpusToCount(const std::vector<std::string>& paths, RunProgress* progress) {
  CorpusFiles listed = ListCorpusFiles(paths);
  ListedCorpus corpus;
  corpus.files = std::move(listed.files);
  corpus.skipped.unlisted = std::move(listed.skipped);
  if (progress != nullptr) {
    progress->ThrowIfCancelled();
    uint64_t bytes = 0;
    for (const std::string& file : corpus.files) {
      bytes += corpus.sizes.emplace_back(FileSizeOrZero(file));
    }
    progress->Begin(corpus.files.size(), bytes);
  }
  return corpus;
}

std::string SkippedMessage(const std::vector<SkippedText>& skipped, const std::string& whose) {
  std::string message = whose + "以下 " + std::to_string(skipped.size()) + " 项没有统计：";
  for (const SkippedText& text : skipped) message += '\r' + text.reason;
  return message;
}

}  // namespace tarn
