#pragma once

#include <string>

#include "analysis/FirstSeenCounter.h"
#include "documents/DocumentKinds.h"

namespace tarn {

class FileProgress;

// One text of a corpus, counted: its words, or why it was not counted.
struct CountedText {
  // Its words, those met with a capital first letter still marked (ForEachFoldedTally).
  FirstSeenCounter words;
  // A sentence naming the file when the text was skipped; empty when it was counted.
  std::string failure;
};

// Counts the document at `path` by the file run's rules. A file that cannot be opened or read,
// a document its reader cannot read, a file without a line and a file of binary data (a NUL
// among its first bytes, outside UTF-16) come back as failures; other exceptions are thrown,
// RunCancelled among them once the run of `progress` (when given) is cancelled.
CountedText CountCorpusText(const std::string& path, const ConversionSettings& settings,
                            FileProgress* progress = nullptr);

}  // namespace tarn
