#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "corpus/CorpusFiles.h"

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

// The documents that `paths` stand for (ListCorpusFiles) as a run counts them: the files, their
// sizes when there is a progress (begun for them then), and the paths that stood for none.
struct ListedCorpus {
  std::vector<std::string> files;
  std::vector<uint64_t> sizes;
  CorpusSkips skipped;
};
ListedCorpus ListCorpusToCount(const std::vector<std::string>& paths, RunProgress* progress);

// The message that lists the skipped files and folders, one reason a line, after a first line
// that says how many there are; `whose` ("参照语料" ...) says what they were skipped from.
std::string SkippedMessage(const std::vector<SkippedText>& skipped, const std::string& whose = {});

}  // namespace tarn
