#include "corpus/CorpusSummary.h"

namespace tarn {

std::string SkippedTextsLines(const CorpusStatistics& corpus) {
  std::string lines;
  if (corpus.Skipped().empty()) return lines;
  lines = "\r未能统计的文件：";
  for (const SkippedText& text : corpus.Skipped()) lines += "\r    " + text.reason;
  return lines;
}

}  // namespace tarn
