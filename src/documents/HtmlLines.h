#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "documents/DocumentLimits.h"
#include "documents/LineWriter.h"

namespace tarn {

// Turns the elements and text of HTML or XHTML, as a parser reports them, into the lines a
// browser shows: each block element (p, div, h1-h6, li, tr, ...) and br ends a line, white space
// within a block collapses to one space, pre keeps its lines, and script, style and the head
// are left out. Every call returns false once a cap of the limits is passed (the text or the
// lines: kTooLarge, the nesting: kTooDeep); the caller then stops its parser and nothing more
// reaches the sink.
class HtmlLines {
 public:
  HtmlLines(DocumentSink& sink, const DocumentLimits& limits)
      : limits_(limits), writer_(sink, limits) {}

  // An element opens or closes; `name` is its local name (an XHTML namespace before a "|" is
  // dropped), lower case as HTML has it.
  bool Start(std::string_view name);
  bool End(std::string_view name);
  // Text, UTF-8, its character references already decoded.
  bool Characters(std::string_view text);
  // A named character reference the parser knew nothing of: an HTML entity such as "nbsp" is
  // its character, any other name stays as written.
  bool Entity(std::string_view name);
  // A document (or one chapter of a book) ends: its open line ends.
  bool Finish();

  // Why the lines stopped, if a cap was passed.
  std::optional<ConversionResult> Failure() const { return failure_; }

 private:
  bool Fail(ConversionResult why = ConversionResult::kTooLarge);
  bool EndBlock();
  bool Flowing(std::string_view text);
  bool Preformatted(std::string_view text);

  const DocumentLimits& limits_;
  LineWriter writer_;
  size_t depth_ = 0;
  size_t skip_depth_ = 0;  // elements open inside a left-out one, itself included
  size_t pre_depth_ = 0;
  bool pending_space_ = false;  // white space seen since the last text of the line
  bool pre_opened_ = false;     // a pre opened and no text came yet: its first line break goes
  bool after_return_ = false;   // a pre's CR was a line end, and an LF after it is part of it
  std::optional<ConversionResult> failure_;
  std::string collapsed_;  // a chunk's flowing text, white space collapsed
};

}  // namespace tarn
