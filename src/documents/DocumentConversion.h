#pragma once

#include <string>

#include "documents/DocumentKinds.h"

namespace tarn {

// Hands the text of a document of `kind` (not kText) to `sink` as code page 936 lines. Throws
// "Cannot open file ..." when the file cannot be opened; otherwise returns kDone or why the
// reading failed, in which case the sink's text is no whole document.
ConversionResult ConvertDocument(const std::string& path, DocumentKind kind, DocumentSink& sink,
                                 const ConversionSettings& settings = {});

// The message shown when reading the document at `path` (bytes as the system gives them) as
// `kind` failed with `result` (not kDone): the path followed by a sentence of its own for each
// kind of failure. The file that cannot be opened keeps the program's established message.
std::string ConversionMessage(ConversionResult result, const std::string& path,
                              DocumentKind kind);

}  // namespace tarn
