#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "documents/DocumentLimits.h"
#include "documents/DocumentSink.h"
#include "documents/PdfText.h"
#include "documents/WordConversion.h"

namespace tarn {

// The kinds of document a counting run reads.
enum class DocumentKind {
  kText,  // plain text in any common encoding: every name no other kind claims
  kWord,  // the last three characters are "doc" in any case: legacy Word, converted
  kDocx,  // extension .docx in any case
  kOdt,   // extension .odt in any case
  kPdf,   // extension .pdf in any case, or a PDF header near the start
  kEpub,  // extension .epub, or a zip archive whose first entry says it holds an EPUB book
  kHtml,  // extension .htm, .html or .xhtml, or text that starts as an HTML page does
};

// What the readers need besides the document; tests replace the program and the limits.
struct ConversionSettings {
  WordConversionSettings word;
  DocumentLimits limits;  // .docx, .odt, EPUB and HTML
  PdfSettings pdf;
};

// Hands the text of one kind of document to `sink` as code page 936 lines, as it is read.
// Returns kDone, or why it stopped, in which case what the sink has is no whole document.
using DocumentReader = ConversionResult (*)(const std::string& path, DocumentSink& sink,
                                            const ConversionSettings& settings);

// One kind of document: how it is named, how its content is recognised, how the open dialog
// offers it and who reads it.
struct DocumentKindInfo {
  DocumentKind kind;
  // Name endings, lower case, compared with A-Z folded; the first kind one of whose endings
  // ends the name is the document's kind.
  std::span<const std::string_view> endings;
  // Whether the first bytes of a file are of this kind; consulted only for a name no kind's
  // ending claims. Null: the kind is known by its name alone.
  bool (*recognises)(std::string_view head);
  // The open dialog's entry, "caption|patterns"; kinds that share an entry give the same text.
  std::string_view filter;
  // Null for plain text, which the counting run streams through its own decoder.
  DocumentReader reader;
  // What follows the path in the message for a file that is not of this kind at all.
  std::string_view not_document;
};

// Every kind, plain text first.
std::span<const DocumentKindInfo> DocumentKinds();

// The row of `kind`.
const DocumentKindInfo& InfoOf(DocumentKind kind);

// The kind of the document at `path`, by its name, and for a name no kind claims by its first
// bytes; a file that cannot be read counts as text (whose reading then reports the error).
DocumentKind KindOfDocument(const std::string& path);

// The kind whose ending ends `path`, or nothing for a name no kind claims.
std::optional<DocumentKind> KindClaimingName(std::string_view path);

// The kind a name alone gives: plain text for a name no kind claims.
DocumentKind KindOfName(std::string_view path);

// The open dialog's filter list: one entry per kind, then one for every supported document.
std::string DocumentFilter();

}  // namespace tarn
