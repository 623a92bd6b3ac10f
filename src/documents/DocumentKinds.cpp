#include "documents/DocumentKinds.h"

#include <array>

#include "documents/OfficeText.h"
#include "wordlists/ReadableFile.h"

namespace tarn {

namespace {

// Whether `path` ends with `ending` (lower case), A-Z counting as a-z. Byte by byte: the name
// is in the user's locale, not necessarily code page 936.
bool EndsWithFolded(std::string_view path, std::string_view ending) {
  if (path.size() < ending.size()) return false;
  path.remove_prefix(path.size() - ending.size());
  for (size_t i = 0; i < ending.size(); ++i) {
    const char c = path[i] >= 'A' && path[i] <= 'Z' ? static_cast<char>(path[i] + 32) : path[i];
    if (c != ending[i]) return false;
  }
  return true;
}

ConversionResult ReadDocx(const std::string& path, DocumentSink& sink,
                          const ConversionSettings& settings) {
  return ReadOfficeText(path, OfficeFormat::kDocx, sink, settings.limits);
}

ConversionResult ReadOdt(const std::string& path, DocumentSink& sink,
                         const ConversionSettings& settings) {
  return ReadOfficeText(path, OfficeFormat::kOdt, sink, settings.limits);
}

ConversionResult ReadWord(const std::string& path, DocumentSink& sink,
                          const ConversionSettings& settings) {
  return ConvertWordDocument(path, sink, settings.word);
}

constexpr std::string_view kTextEndings[] = {".txt"};
constexpr std::string_view kWordEndings[] = {"doc"};
constexpr std::string_view kDocxEndings[] = {".docx"};
constexpr std::string_view kOdtEndings[] = {".odt"};

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
    DocumentKindInfo{DocumentKind::kOdt, kOdtEndings, nullptr, kOfficeFilter, ReadOdt,
                     kNotOffice},
};

// How many bytes of a file the content tests look at.
constexpr size_t kHeadBytes = 1024;

std::string HeadOf(const std::string& path) {
  std::string head(kHeadBytes, '\0');
  try {
    ReadableFile file(path);
    size_t filled = 0;
    while (filled < head.size()) {
      const size_t got = file.Read(head.data() + filled, head.size() - filled);
      if (got == 0) break;
      filled += got;
    }
    head.resize(filled);
  } catch (const Error&) {
    head.clear();
  }
  return head;
}

}  // namespace

std::span<const DocumentKindInfo> DocumentKinds() { return kKinds; }

const DocumentKindInfo& InfoOf(DocumentKind kind) {
  for (const DocumentKindInfo& info : kKinds) {
    if (info.kind == kind) return info;
  }
  return kKinds.front();
}

DocumentKind KindOfName(std::string_view path) {
  for (const DocumentKindInfo& info : kKinds) {
    for (std::string_view ending : info.endings) {
      if (EndsWithFolded(path, ending)) return info.kind;
    }
  }
  return DocumentKind::kText;
}

DocumentKind KindOfDocument(const std::string& path) {
  const DocumentKind by_name = KindOfName(path);
  if (by_name != DocumentKind::kText || EndsWithFolded(path, kTextEndings[0])) return by_name;
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
