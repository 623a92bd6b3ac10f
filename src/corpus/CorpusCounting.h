#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "analysis/FirstSeenCounter.h"
#include "corpus/CorpusFiles.h"
#include "documents/DocumentKinds.h"

namespace tarn {

class RunProgress;

// What the counting of a corpus skipped, in the two groups a run meets them in.
struct CorpusSkips {
  // The paths given that stood for no document (missing, a folder without documents, a loop).
  std::vector<SkippedText> unlisted;
  // The documents that could not be counted, in counting order.
  std::vector<SkippedText> failed;

  // Everything skipped as a whole run lists it: the paths first, then the documents.
  std::vector<SkippedText> Skipped() const;
};

// Counts the documents that `paths` stand for (ListCorpusFiles), each by the file run's rules,
// `threads` at a time, and hands each text counted to `add(file, words)` in the order of the
// files, whatever the number of threads; the words met with a capital first letter are still
// marked (FirstSeenCounter::ForEachFoldedTally). Returns what was skipped, each with its reason.
// Reports to `progress` when there is one, and throws RunCancelled once that is cancelled. An
// exception of `add` ends the counting and is thrown on.
CorpusSkips CountCorpusTexts(
    const std::vector<std::string>& paths, size_t threads, const ConversionSettings& conversion,
    const std::function<void(const std::string&, FirstSeenCounter&&)>& add,
    RunProgress* progress = nullptr);

// The message that lists the skipped files and folders, one reason a line, after a first line
// that says how many there are; `whose` ("参照语料" ...) says what they were skipped from.
std::string SkippedMessage(const std::vector<SkippedText>& skipped, const std::string& whose = {});

}  // namespace tarn
