#pragma once

#include <iosfwd>

#include "corpus/CorpusCount.h"

namespace tarn {

// Writes `count` to `out` in the partial count form that ReadPartialCount reads: its texts, what
// it skipped and its words in first-seen order, each with its tally and its count in each text
// that has it. Leaves the stream's state to the caller to check.
void WritePartialCount(const CorpusCount& count, std::ostream& out);

// `field` with backslash, TAB, LF and CR written as \\, \t, \n and \r, so that it fits in one
// field of a line.
std::string EscapedField(std::string_view field);

}  // namespace tarn
