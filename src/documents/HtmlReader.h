#pragma once

#include <string>

#include "documents/DocumentLimits.h"

namespace tarn {

// Hands the text of the HTML page at `path` to `sink` as code page 936 lines, as a browser
// shows it (see HtmlLines), reading tag soup as a browser does. The encoding comes from the
// byte-order mark, else a <meta> declaration near the start, else the bytes themselves as the
// text decoder judges them (UTF-8, Windows-1252 or code page 936). Returns kDone, kCannotOpen,
// kTooLarge (past the markup, text or line cap) or kTooDeep (past the nesting cap); the
// parser's complaints are never printed.
ConversionResult ReadHtml(const std::string& path, DocumentSink& sink,
                          const DocumentLimits& limits = {});

}  // namespace tarn
