#pragma once

#include <string>
#include <string_view>

#include "wordlists/DocumentSink.h"
#include "wordlists/OfficeText.h"
#include "wordlists/WordConversion.h"

namespace tarn {

// The open dialog's filter list for the documents a counting run reads.
inline constexpr std::string_view kDocumentFilter =
    "Text files (*.txt)|*.TXT|Word files (*.Doc)|*.Doc|"
    "Word 2007+ and OpenDocument (*.docx;*.odt)|*.docx;*.odt";

// How a document is read, by its name.
enum class DocumentKind {
  kText,  // any other name: a text file in any common encoding
  kWord,  // the last three characters are "doc" in any case: legacy Word, converted
  kDocx,  // extension .docx in any case
  kOdt,   // extension .odt in any case
};

// The kind of the document at `path`, judged by its name alone.
DocumentKind KindOfDocument(std::string_view path);

// What the conversions need besides the document; tests replace the program and the limits.
struct ConversionSettings {
  WordConversionSettings word;
  OfficeLimits office;
};

// Hands the text of a Word, .docx or .odt document (`kind` not kText) to `sink` as code page 936
// lines. Throws "Cannot open file ..." when the file cannot be opened; otherwise returns kDone
// or why the conversion failed, in which case the sink's text is no whole document.
ConversionResult ConvertDocument(const std::string& path, DocumentKind kind, DocumentSink& sink,
                                 const ConversionSettings& settings = {});

// The message shown when the conversion of the document at `path` (bytes as the system gives
// them) failed with `result` (not kDone): the path followed by a sentence of its own for each
// kind of failure. The file that cannot be opened keeps the program's established message.
std::string ConversionMessage(ConversionResult result, const std::string& path);

}  // namespace tarn
