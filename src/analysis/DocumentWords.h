#pragma once

#include <string>

#include "documents/DocumentKinds.h"

namespace tarn {

class FileProgress;
class WordStreamCounter;

// How reading a document for its words went.
struct DocumentReading {
  // kDone, or why the reader of a converted document stopped (the words are then no whole
  // document's).
  ConversionResult result = ConversionResult::kDone;
  // Whether the document gave at least one line.
  bool has_text = false;
};

// Counts the words of the document at `path`, of `kind`, into the fresh `counter` by the file
// run's rules and finishes it: a text file through the text decoding, block by block, any other
// kind through its reader with every line followed by CR LF (and appended to `kept` when there
// is one). Throws the file-open or read error. With `progress`, a text file reports every block
// read to it and a converted one its end; either throws RunCancelled once the run is cancelled
// (a converter, which cannot be interrupted, is no longer listened to and throws at its end).
DocumentReading CountDocument(const std::string& path, DocumentKind kind,
                              WordStreamCounter& counter, const ConversionSettings& settings,
                              std::string* kept = nullptr, FileProgress* progress = nullptr);

}  // namespace tarn
