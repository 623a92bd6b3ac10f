#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "wordlists/DocumentSource.h"

namespace tarn {

// Every occurrence of a set of counted words in the document, in document order, one line each:
// the left context right-aligned, the occurrence as written and the right context. Contexts are
// `width` characters (a double-byte character counts once, a line break is one character) of
// code page 936 text, line breaks and tabs shown as spaces; the left one is padded with spaces
// at its start to `width` characters, the right one is not padded.
class Concordance {
 public:
  // Finds the occurrences of `forms` (lower-case counted words, code page 936) in the text of
  // `source`, cut as its counting run cut it. Reading() tells whether there was a text to read;
  // when the file changed since it was counted the concordance is empty. Throws the reading
  // error of a file that fails midway.
  Concordance(const DocumentSource& source, const std::vector<std::string>& forms, int width);

  // How reading the text went; anything but kRead leaves the concordance empty.
  DocumentSource::Reading Reading() const { return reading_; }
  // The number of occurrences.
  size_t Size() const { return lines_.size(); }
  // The left context of occurrence `i`, padded to the width.
  std::string_view Left(size_t i) const;
  // Occurrence `i` as written.
  std::string_view Occurrence(size_t i) const;
  // The right context of occurrence `i`.
  std::string_view Right(size_t i) const;
  // Where occurrence `i` starts in the document's text, in bytes.
  uint64_t Offset(size_t i) const { return lines_[i].offset; }
  // Every line as LEFT TAB OCCURRENCE TAB RIGHT, each followed by CR LF: the text view's text.
  const std::string& Text() const { return text_; }
  // Text(), moved out; the concordance is empty afterwards.
  std::string TakeText() {
    lines_.clear();
    return std::move(text_);
  }

 private:
  friend class ConcordanceBuilder;
  struct Line {
    uint64_t offset;
    size_t start;     // where the line starts in text_
    uint32_t left;    // the left context's length in bytes
    uint32_t length;  // the occurrence's length
    uint32_t right;   // the right context's length in bytes
  };

  DocumentSource::Reading reading_ = DocumentSource::Reading::kNoText;
  std::string text_;
  std::vector<Line> lines_;
};

}  // namespace tarn
