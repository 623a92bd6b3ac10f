#include "documents/DocumentConversion.h"

#include <string_view>

#include "wordlists/ReadableFile.h"

namespace tarn {

namespace {

// What follows the document's path in the message of each failure.
struct FailureSentence {
  ConversionResult result;
  std::string_view sentence;
};
constexpr FailureSentence kFailureSentences[] = {
    {ConversionResult::kCannotOpen, " 可能已被打开!请关闭程序重新打开该文件"},
    {ConversionResult::kNotDocument, " 不是可以读取的文档，无法读取其中的文字"},
    {ConversionResult::kDamaged, " 已损坏或不完整，无法读取其中的文字"},
    {ConversionResult::kTooLarge, " 展开后的文字超出上限，可能是恶意构造的文件，已停止读取"},
    {ConversionResult::kConverterMissing,
     " 无法转换：找不到或无法运行 Word 文档转换程序 antiword，请先安装 antiword"},
    {ConversionResult::kConverterTimedOut, " 转换超时：antiword 未能在限定时间内完成转换，已停止"},
    {ConversionResult::kConverterFailed,
     " 无法转换：antiword 无法读取该文档，文件可能已损坏、已加密或不是 Word 文档"},
    {ConversionResult::kEncrypted, " 已加密（有密码保护），无法读取其中的文字"},
    {ConversionResult::kNoTextLayer,
     " 没有文字层（可能是扫描得到的图片页面），无法读取其中的文字；请先用文字识别（OCR）软件处理"},
    {ConversionResult::kTooDeep, " 中的元素嵌套层数超出上限，可能是恶意构造的文件，已停止读取"},
};

}  // namespace

ConversionResult ConvertDocument(const std::string& path, DocumentKind kind, DocumentSink& sink,
                                 const ConversionSettings& settings) {
  // A document that cannot even be opened gets the file-open error, as a text file does.
  { ReadableFile check(path); }
  const DocumentReader reader = InfoOf(kind).reader;
  if (reader == nullptr) return ConversionResult::kNotDocument;
  return reader(path, sink, settings);
}

std::string ConversionMessage(ConversionResult result, const std::string& path,
                              DocumentKind kind) {
  if (result == ConversionResult::kNotDocument && !InfoOf(kind).not_document.empty()) {
    return path + std::string(InfoOf(kind).not_document);
  }
  for (const FailureSentence& failure : kFailureSentences) {
    if (failure.result == result) return path + std::string(failure.sentence);
  }
  return path + std::string(kFailureSentences[0].sentence);
}

}  // namespace tarn
