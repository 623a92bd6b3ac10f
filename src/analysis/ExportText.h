#pragma once

#include <string>
#include <string_view>

namespace tarn {

// `text` with every line break (CR LF, CR or LF) written as CR LF and nothing added: the text
// view's content as a file holds it.
std::string WithCrLfBreaks(std::string_view text);

// The one-column vocabulary list of a text (code page 936): per line, trimmed, the part before
// its first space or tab (the whole line when it has neither), each followed by CR LF. Lines
// shorter than 2 bytes once trimmed are left out.
std::string OneColumnList(std::string_view text);

}  // namespace tarn
