#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wordlists/DocumentSource.h"

namespace tarn {

// Where a sentence lies in a text: bytes [begin, end), no blanks at either end.
struct SentenceSpan {
  size_t begin;
  size_t end;
};

// The sentences of English prose in code page 936 text, in order. A sentence ends at ".", "!",
// "?" or an ellipsis (with the closing quotes and brackets after it) that blanks and then no
// lower-case letter follow, except after a title or a Latin abbreviation (Mr. Dr. St. e.g. i.e.
// ...), an initial (J. R. Smith) or "No." before a number; a stop between digits (3.5) is no
// end. A blank line always ends a sentence; a single line break is a blank. A paragraph's first
// line that is a heading (no lower-case letter, or "Chapter" and a number) is a sentence.
std::vector<SentenceSpan> SplitSentences(std::string_view text);

// A sentence holding a wanted word: its text (code page 936, line breaks as spaces, blanks
// collapsed) and where the word stands in it.
struct SentenceMatch {
  std::string text;
  size_t form_start = 0;
  size_t form_length = 0;
};

// The first sentences of a document for several sets of forms at once.
struct FirstSentences {
  DocumentSource::Reading reading = DocumentSource::Reading::kNoText;
  // One entry per set of forms, empty when none of them occurs (or the text was not read).
  std::vector<std::optional<SentenceMatch>> sentences;
};

// For each of `form_sets` (lower-case counted words, code page 936), the first sentence of the
// text of `source` that holds one of them, found with the words as the counting run cut them,
// in one reading of the text. Throws the reading error of a file that fails midway.
FirstSentences FindFirstSentences(const DocumentSource& source,
                                  const std::vector<std::vector<std::string>>& form_sets);

// The first sentence of `source` holding one of `forms`; empty when none occurs or the text
// cannot be read as it was counted.
std::optional<SentenceMatch> FirstSentenceWith(const DocumentSource& source,
                                               const std::vector<std::string>& forms);

}  // namespace tarn
