#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "documents/DocumentLimits.h"
#include "documents/DocumentSink.h"

namespace tarn {

// Hands UTF-8 text to a sink as code page 936 lines, counting the text and the lines against
// their caps. Once a cap is passed every call returns false and nothing more reaches the sink;
// the reader then stops its parser.
class LineWriter {
 public:
  LineWriter(DocumentSink& sink, const DocumentLimits& limits) : sink_(sink), limits_(limits) {}

  // Appends text to the current line.
  bool Add(std::string_view text);
  // Appends `count` spaces to the current line.
  bool AddSpaces(size_t count);
  // Hands a long line's text over but for its last character (which might still be cut). Only
  // for a line that is sure to end: what the sink has taken is part of the text.
  void HandOverPiece();
  // Ends the current line, possibly empty.
  bool EndLine();

  // Whether anything was added since the current line began.
  bool LineHasText() const { return line_has_text_; }
  // Whether a cap was passed.
  bool Failed() const { return failed_; }

 private:
  bool Grow(size_t bytes);

  DocumentSink& sink_;
  const DocumentLimits& limits_;
  std::string line_;  // the current line's UTF-8 not yet handed over
  bool line_has_text_ = false;
  size_t text_bytes_ = 0;
  size_t lines_ = 0;
  bool failed_ = false;
};

}  // namespace tarn
