#pragma once

#include <string>

#include "documents/DocumentKinds.h"

namespace tarn {

class FileProgress;
class WordStreamCounter;

// Counts the document at `path` by the file run's rules into `counter`, which is left to the
// caller then, and returns why the document could not be counted, a sentence naming the file,
// or nothing. A file that cannot be opened or read, a document its reader cannot read, a file
// without a line and a file of binary data (a NUL among its first bytes, outside UTF-16) are
// such failures; other exceptions are thrown, RunCancelled among them once the run of
// `progress` (when given) is cancelled.
std::string CountCorpusDocument(const std::string& path, const ConversionSettings& settings,
                                WordStreamCounter& counter, FileProgress* progress = nullptr);

}  // namespace tarn
