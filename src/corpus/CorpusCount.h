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

// Counts the documents that `paths` stand for as CountCorpusTexts does, into the tally in the
// order of the files, so that the count is the same for any number of threads. A document that
// cannot be counted is skipped, never thrown.
CorpusCount CountCorpus(const std::vector<std::string>& paths, size_t threads,
                        const ConversionSettings& conversion, RunProgress* progress = nullptr);

}  // namespace tarn
