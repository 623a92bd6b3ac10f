#include "wordlists/DocumentText.h"

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

}  // namespace

DocumentKind KindOfDocument(std::string_view path) {
  if (EndsWithFolded(path, ".docx")) return DocumentKind::kDocx;
  if (EndsWithFolded(path, ".odt")) return DocumentKind::kOdt;
  if (EndsWithFolded(path, "doc")) return DocumentKind::kWord;
  return DocumentKind::kText;
}

std::optional<std::vector<std::string>> ConvertDocument(const std::string& path, DocumentKind kind,
                                                        const ConversionSettings& settings) {
  // A document that cannot even be opened gets the file-open error, as a text file does.
  { ReadableFile check(path); }
  switch (kind) {
    case DocumentKind::kDocx:
      return ReadOfficeText(path, OfficeFormat::kDocx, settings.max_office_xml_bytes);
    case DocumentKind::kOdt:
      return ReadOfficeText(path, OfficeFormat::kOdt, settings.max_office_xml_bytes);
    default:
      return ConvertWordDocument(path, settings.word);
  }
}

}  // namespace tarn
