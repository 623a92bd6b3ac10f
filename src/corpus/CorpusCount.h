#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "corpus/CorpusFiles.h"
#include "corpus/CorpusTally.h"
#include "documents/DocumentKinds.h"

namespace tarn {

// The words of a corpus before they become statistics: the tally of its texts, their names,
// and what was skipped, in the two groups a run meets them in.
struct CorpusCount {
  CorpusTally tally;
  // The name of each counted text, in the order of the tally's texts.
  std::vector<std::string> texts;
  // The paths given that stood for no document (missing, a folder without documents, a loop).
  std::vector<SkippedText> unlisted;
  // The documents that could not be counted, in counting order.
  std::vector<SkippedText> failed;

  // Everything skipped as a whole run lists it: the paths first, then the documents.
  std::vector<SkippedText> Skipped() const;
};

// Counts the documents that `paths` stand for (ListCorpusFiles), `threads` at a time, each by
// the file run's rules, and adds them to the tally in that order, so that the count is the same
// for any number of threads. A document that cannot be counted is skipped, never thrown.
CorpusCount CountCorpus(const std::vector<std::string>& paths, size_t threads,
                        const ConversionSettings& conversion);

// The message that lists `skipped`: how many, then each reason on a line of its own.
std::string SkippedMessage(const std::vector<SkippedText>& skipped);

}  // namespace tarn
