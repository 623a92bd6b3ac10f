#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "documents/DocumentSink.h"
#include "documents/KnownWords.h"

namespace tarn {

// What reading a PDF needs besides the document.
struct PdfSettings {
  // The words a line-end hyphen may join; null joins none.
  std::shared_ptr<const KnownWords> known_words;
  size_t max_text_bytes = kMaxDocumentTextBytes;  // code page 936, one byte per line break
};

// Whether `head`, a file's first 1024 bytes, holds a PDF header (which may follow a few bytes
// of something else).
bool HasPdfHeader(std::string_view head);

// Hands the text of the PDF at `path` to `sink` as code page 936 lines, page after page, each
// page in reading order (a column to its end before the next), with the words split at line
// ends joined (LineEndHyphens). Returns kDone, or why it stopped: kCannotOpen, kNotDocument (no
// PDF header), kDamaged (truncated, or no document poppler can read), kEncrypted (locked by a
// password), kNoTextLayer (no page has any text) or kTooLarge (past max_text_bytes).
ConversionResult ReadPdfText(const std::string& path, DocumentSink& sink,
                             const PdfSettings& settings = {});

// The same for a PDF held in memory as `bytes`.
ConversionResult ReadPdfBytes(std::string_view bytes, DocumentSink& sink,
                              const PdfSettings& settings = {});

}  // namespace tarn
