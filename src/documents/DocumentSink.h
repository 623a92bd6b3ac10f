#pragma once

#include <cstddef>
#include <string_view>

namespace tarn {

// More text than any real document yields (a 300-page book gives about 1 MB); a document that
// expands past it is taken for a zip bomb. Line breaks and spaces count.
inline constexpr size_t kMaxDocumentTextBytes = size_t{256} << 20;

// How reading a document ended.
enum class ConversionResult {
  kDone,               // the whole text was handed over
  kCannotOpen,         // the file could not be opened or read
  kNotDocument,        // not of the kind its name or content says (no zip archive for .docx)
  kDamaged,            // a damaged or cut archive, a bad checksum, malformed XML, no text part
  kTooLarge,           // the text, its XML, its lines or its spaces went past their caps
  kConverterMissing,   // the converter program could not be started
  kConverterTimedOut,  // the converter did not finish within its time limit
  kConverterFailed,    // the converter rejected the document (its exit status was not 0)
  kEncrypted,          // the document is locked by a password
  kNoTextLayer,        // the pages are images only (scanned, without recognised text)
  kTooDeep,            // elements nested deeper than their cap
};

// Takes a document's text as a reader produces it, in code page 936: each line in one or more
// pieces (a long paragraph is not held whole), then its end. When the reading fails halfway the
// reader stops calling; what was handed over until then is no part of a text.
class DocumentSink {
 public:
  virtual ~DocumentSink() = default;
  // More of the current line; never holds a line break or a NUL.
  virtual void Text(std::string_view piece) = 0;
  // The current line, possibly empty, is complete.
  virtual void EndLine() = 0;
};

}  // namespace tarn
