#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wordlists/OfficeText.h"
#include "wordlists/WordConversion.h"

namespace tarn {

// The open dialog's filter list for the documents a counting run reads.
inline constexpr std::string_view kDocumentFilter =
    "Text files (*.txt)|*.TXT|Word files (*.Doc)|*.Doc|"
    "Word 2007+ and OpenDocument (*.docx;*.odt)|*.docx;*.odt";

// What follows the document's path in the message shown when a conversion fails.
inline constexpr std::string_view kConversionFailed = " 可能已被打开!请关闭程序重新打开该文件";

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
  size_t max_office_xml_bytes = kMaxOfficeXmlBytes;
};

// The text of a Word, .docx or .odt document (`kind` not kText) as code page 936 lines.
// Throws "Cannot open file ..." when the file cannot be opened; nothing when the conversion
// fails (a damaged or locked document, a missing converter, a time-out).
std::optional<std::vector<std::string>> ConvertDocument(const std::string& path, DocumentKind kind,
                                                        const ConversionSettings& settings = {});

}  // namespace tarn
