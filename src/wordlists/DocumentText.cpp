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

// What follows the document's path in the message of each failure.
struct FailureSentence {
  ConversionResult result;
  std::string_view sentence;
};
constexpr FailureSentence kFailureSentences[] = {
    {ConversionResult::kCannotOpen, " 可能已被打开!请关闭程序重新打开该文件"},
    {ConversionResult::kNotDocument,
     " 不是 Word 2007+（.docx）或 OpenDocument（.odt）文档，无法读取其中的文字"},
    {ConversionResult::kDamaged, " 已损坏或不完整，无法读取其中的文字"},
    {ConversionResult::kTooLarge, " 展开后的文字超出上限，可能是恶意构造的文件，已停止读取"},
    {ConversionResult::kConverterMissing,
     " 无法转换：找不到或无法运行 Word 文档转换程序 antiword，请先安装 antiword"},
    {ConversionResult::kConverterTimedOut, " 转换超时：antiword 未能在限定时间内完成转换，已停止"},
    {ConversionResult::kConverterFailed,
     " 无法转换：antiword 无法读取该文档，文件可能已损坏、已加密或不是 Word 文档"},
};

}  // namespace

DocumentKind KindOfDocument(std::string_view path) {
  if (EndsWithFolded(path, ".docx")) return DocumentKind::kDocx;
  if (EndsWithFolded(path, ".odt")) return DocumentKind::kOdt;
  if (EndsWithFolded(path, "doc")) return DocumentKind::kWord;
  return DocumentKind::kText;
}

ConversionResult ConvertDocument(const std::string& path, DocumentKind kind, DocumentSink& sink,
                                 const ConversionSettings& settings) {
  // A document that cannot even be opened gets the file-open error, as a text file does.
  { ReadableFile check(path); }
  switch (kind) {
    case DocumentKind::kDocx:
      return ReadOfficeText(path, OfficeFormat::kDocx, sink, settings.office);
    case DocumentKind::kOdt:
      return ReadOfficeText(path, OfficeFormat::kOdt, sink, settings.office);
    default:
      return ConvertWordDocument(path, sink, settings.word);
  }
}

std::string ConversionMessage(ConversionResult result, const std::string& path) {
  for (const FailureSentence& failure : kFailureSentences) {
    if (failure.result == result) return path + std::string(failure.sentence);
  }
  return path + std::string(kFailureSentences[0].sentence);
}

}  // namespace tarn
