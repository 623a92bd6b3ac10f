#pragma once

#include <string>

#include "documents/DocumentLimits.h"

namespace tarn {

// The zipped office formats whose text is read directly.
enum class OfficeFormat {
  kDocx,  // Word 2007 and later: word/document.xml
  kOdt,   // OpenDocument text: content.xml
};

// Hands the text of the .docx or .odt document at `path` to `sink` as code page 936 lines, as it
// is read: one per paragraph or heading, a new line at each line break, tabs as tabs. Returns
// kDone, or why it stopped: kCannotOpen, kNotDocument (no zip archive), kDamaged (a damaged
// archive or entry, malformed XML, no document part) or kTooLarge (past one of `limits`).
ConversionResult ReadOfficeText(const std::string& path, OfficeFormat format, DocumentSink& sink,
                                const DocumentLimits& limits = {});

}  // namespace tarn
