#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "corpus/CorpusCounting.h"
#include "corpus/CorpusTally.h"
#include "documents/DocumentKinds.h"

namespace tarn {

class RunProgress;

// The words of a corpus before they become statistics: the tally of its texts, their names,
// and what was skipped.
struct CorpusCount : CorpusSkips {
  CorpusTally tally;
  // The name of each counted text, in the order of the tally's texts.
  std::vector<std::string> texts;
};

// Counts the documents that `paths` stand for (ListCorpusToCount), each by the file run's
// rules, into the tally in the order of the files: one stream of texts, cut into words and
// counted side by side on two threads when `threads` is more than one, on the calling thread
// alone otherwise, the count the same either way. A document that cannot be counted is skipped
// with its reason, never thrown; the words met with a capital are folded. Reports to `progress`
// when there is one, and throws RunCancelled once that is cancelled.
CorpusCount CountCorpus(const std::vector<std::string>& paths, size_t threads,
                        const ConversionSettings& conversion, RunProgress* progress = nullptr);

}  // namespace tarn
