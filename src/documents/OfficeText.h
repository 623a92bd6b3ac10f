#pragma once

#include <cstddef>
#include <string>

#include "documents/DocumentSink.h"

namespace tarn {

// The zipped office formats whose text is read directly.
enum class OfficeFormat {
  kDocx,  // Word 2007 and later: word/document.xml
  kOdt,   // OpenDocument text: content.xml
};

// How far a document may expand before it is taken for a zip bomb. Each cap stops the reading
// on its own: the XML bounds the inflating, the text the memory, the lines and the generated
// spaces the time that text of tiny XML elements would take.
struct OfficeLimits {
  size_t max_xml_bytes = size_t{512} << 20;
  size_t max_text_bytes = kMaxDocumentTextBytes;  // UTF-8, one byte per line break
  size_t max_lines = size_t{1} << 23;             // paragraphs, headings and line breaks
  size_t max_spaces = size_t{1} << 24;            // the spaces that text:s elements stand for
};

// Hands the text of the .docx or .odt document at `path` to `sink` as code page 936 lines, as it
// is read: one per paragraph or heading, a new line at each line break, tabs as tabs. Returns
// kDone, or why it stopped: kCannotOpen, kNotDocument (no zip archive), kDamaged (a damaged
// archive or entry, malformed XML, no document part) or kTooLarge (past one of `limits`).
ConversionResult ReadOfficeText(const std::string& path, OfficeFormat format, DocumentSink& sink,
                                const OfficeLimits& limits = {});

}  // namespace tarn
