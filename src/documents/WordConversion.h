#pragma once

#include <chrono>
#include <cstddef>
#include <string>

#include "documents/DocumentSink.h"

namespace tarn {

// How legacy Word documents are converted: by the antiword program, run as a child process.
struct WordConversionSettings {
  std::string program = "antiword";  // found on PATH unless it names a folder
  std::chrono::milliseconds time_limit{30000};
  size_t max_text_bytes = kMaxDocumentTextBytes;  // the converter's output, UTF-8
};

// Hands the text of the legacy Word (.doc) document at `path` to `sink` as code page 936 lines,
// one per paragraph, once the converter has finished. Returns kDone, or why the conversion
// failed: kConverterMissing (it cannot be started), kConverterTimedOut, kConverterFailed (it
// rejected the document: damaged, locked, not a Word document) or kTooLarge (it wrote more than
// the cap). Nothing reaches the sink then.
ConversionResult ConvertWordDocument(const std::string& path, DocumentSink& sink,
                                     const WordConversionSettings& settings = {});

}  // namespace tarn
