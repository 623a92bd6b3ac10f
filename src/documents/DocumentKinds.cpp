#include "documents/DocumentKinds.h"

#include <array>

#include "documents/EpubReader.h"
#include "documents/HtmlReader.h"
#include "documents/OfficeText.h"
#include "wordlists/ReadableFile.h"

namespace tarn {

namespace {

// Whether `text` equals `lower` (lower case), A-Z counting as a-z. Byte by byte: names are in
// the user's locale and a file's first bytes in any encoding, not necessarily code page 936.
bool EqualsFolded(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (size_t i = 0; i < lower.size(); ++i) {
    const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] + 32) : text[i];
    if (c != lower[i]) return false;
  }
  return true;
}

// Whether `path` ends with `ending` (lower case), A-Z counting as a-z.
bool EndsWithFolded(std::string_view path, std::string_view ending) {
  return path.size() >= ending.size() &&
         EqualsFolded(path.substr(path.size() - ending.size()), ending);
}

ConversionResult ReadDocx(const std::string& path, DocumentSink& sink,
                          const ConversionSettings& settings) {
  return ReadOfficeText(path, OfficeFormat::kDocx, sink, settings.limits);
}

ConversionResult ReadOdt(const std::string& path, DocumentSink& sink,
                         const ConversionSettings& settings) {
  return ReadOfficeText(path, OfficeFormat::kOdt, sink, settings.limits);
}

ConversionResult ReadEpubBook(const std::string& path, DocumentSink& sink,
                              const ConversionSettings& settings) {
  return ReadEpub(path, sink, settings.limits);
}

ConversionResult ReadHtmlPage(const std::string& path, DocumentSink& sink,
                              const ConversionSettings& settings) {
  return ReadHtml(path, sink, settings.limits);
}

ConversionResult ReadPdf(const std::string& path, DocumentSink& sink,
                         const ConversionSettings& settings) {
  return ReadPdfText(path, sink, settings.pdf);
}

ConversionResult ReadWord(const std::string& path, DocumentSink& sink,
                          const ConversionSettings& settings) {
  return ConvertWordDocument(path, sink, settings.word);
}

constexpr std::string_view kTextEndings[] = {".txt"};
constexpr std::string_view kWordEndings[] = {"doc"};
constexpr std::string_view kDocxEndings[] = {".docx"};
constexpr std::string_view kOdtEndings[] = {".odt"};
constexpr std::string_view kPdfEndings[] = {".pdf"};
constexpr std::string_view kEpubEndings[] = {".epub"};
constexpr std::string_view kHtmlEndings[] = {".htm", ".html", ".xhtml"};

// A zip archive whose first entry, stored uncompressed, is "mimetype" saying
// application/epub+zip, as every EPUB book begins.
bool StartsAsEpub(std::string_view head) {
  constexpr std::string_view kName = "mimetype";
  constexpr std::string_view kType = "application/epub+zip";
  constexpr size_t kHeaderBytes = 30;  // a local file header before its name and extra field
  if (head.size() < kHeaderBytes || !head.starts_with("PK\x03\x04")) return false;
  const auto little = [&head](size_t at) {
    return static_cast<size_t>(static_cast<unsigned char>(head[at])) |
           static_cast<size_t>(static_cast<unsigned char>(head[at + 1])) << 8;
  };
  const size_t name_size = little(26);
  const size_t data = kHeaderBytes + name_size + little(28);
  return head.substr(kHeaderBytes, name_size) == kName && data <= head.size() &&
         head.substr(data).starts_with(kType);
}

// Text that starts, after a byte-order mark and white space, with "<!doctype html" or "<html"
// in any case. A UTF-16 page is looked at through its low bytes.
bool StartsAsHtml(std::string_view head) {
  std::string ascii;
  if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF")) {
    for (size_t i = head[0] == '\xFF' ? 2 : 3; i < head.size(); i += 2) ascii += head[i];
  } else {
    if (head.starts_with("\xEF\xBB\xBF")) head.remove_prefix(3);
    ascii = head;
  }
  std::string_view rest(ascii);
  while (!rest.empty() && (rest[0] == ' ' || rest[0] == '\t' || rest[0] == '\n' ||
                           rest[0] == '\r' || rest[0] == '\f')) {
    rest.remove_prefix(1);
  }
  const auto starts_folded = [rest](std::string_view word) {
    return EqualsFolded(rest.substr(0, word.size()), word);
  };
  return starts_folded("<!doctype html") || starts_folded("<html");
}

constexpr std::string_view kOfficeFilter =
    "Word 2007+ and OpenDocument (*.docx;*.odt)|*.docx;*.odt";
constexpr std::string_view kNotOffice =
    " 不是 Word 2007+（.docx）或 OpenDocument（.odt）文档，无法读取其中的文字";

// .docx must come before "doc": a name ending in ".docx" does not end in "doc", but the order
// keeps the rule that the most specific ending wins obvious.
constexpr std::array kKinds = {
    DocumentKindInfo{DocumentKind::kText, kTextEndings, nullptr, "Text files (*.txt)|*.TXT",
                     nullptr, ""},
    DocumentKindInfo{DocumentKind::kWord, kWordEndings, nullptr, "Word files (*.Doc)|*.Doc",
                     ReadWord, ""},
    DocumentKindInfo{DocumentKind::kDocx, kDocxEndings, nullptr, kOfficeFilter, ReadDocx,
                     kNotOffice},
    DocumentKindInfo{DocumentKind::kOdt, kOdtEndings, nullptr, kOfficeFilter, ReadOdt, kNotOffice},
    DocumentKindInfo{DocumentKind::kPdf, kPdfEndings, HasPdfHeader, "PDF 文档 (*.pdf)|*.pdf;*.PDF",
                     ReadPdf, " 不是 PDF 文档，无法读取其中的文字"},
    DocumentKindInfo{DocumentKind::kEpub, kEpubEndings, StartsAsEpub,
                     "EPUB 电子书 (*.epub)|*.epub;*.EPUB", ReadEpubBook,
                     " 不是 EPUB 电子书，无法读取其中的文字"},
    DocumentKindInfo{DocumentKind::kHtml, kHtmlEndings, StartsAsHtml,
                     "网页 (*.htm;*.html;*.xhtml)|*.htm;*.html;*.xhtml;*.HTM;*.HTML;*.XHTML",
                     ReadHtmlPage, ""},
};

// How many bytes of a file the content tests look at.
constexpr size_t kHeadBytes = 1024;

std::string HeadOf(const std::string& path) {
  try {
    return ReadFileHead(path, kHeadBytes);
  } catch (const Error&) {
    return {};
  }
}

}  // namespace

std::span<const DocumentKindInfo> DocumentKinds() { return kKinds; }

const DocumentKindInfo& InfoOf(DocumentKind kind) {
  for (const DocumentKindInfo& info : kKinds) {
    if (info.kind == kind) return info;
  }
  return kKinds.front();
}

std::optional<DocumentKind> KindClaimingName(std::string_view path) {
  for (const DocumentKindInfo& info : kKinds) {
    for (std::string_view ending : info.endings) {
      if (EndsWithFolded(path, ending)) return info.kind;
    }
  }
  return std::nullopt;
}

DocumentKind KindOfName(std::string_view path) {
  return KindClaimingName(path).value_or(DocumentKind::kText);
}

DocumentKind KindOfDocument(const std::string& path) {
  if (const std::optional<DocumentKind> claimed = KindClaimingName(path)) return *claimed;
  const std::string head = HeadOf(path);
  for (const DocumentKindInfo& info : kKinds) {
    if (info.recognises != nullptr && info.recognises(head)) return info.kind;
  }
  return DocumentKind::kText;
}

std::string DocumentFilter() {
  std::string filter;
  std::string every;
  std::string_view previous;
  for (const DocumentKindInfo& info : kKinds) {
    if (info.filter == previous) continue;
    previous = info.filter;
    if (!filter.empty()) {
      filter += '|';
      every += ';';
    }
    filter += info.filter;
    every += info.filter.substr(info.filter.find('|') + 1);
  }
  return filter + "|所有支持的文档|" + every;
}

}  // namespace tarn
