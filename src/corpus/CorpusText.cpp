#include "corpus/CorpusText.h"

#include <string_view>

#include "analysis/DocumentWords.h"
#include "analysis/FileWordCount.h"
#include "analysis/WordStreamCounter.h"
#include "documents/DocumentConversion.h"
#include "text/Error.h"

namespace tarn {

namespace {

// How far into a file a NUL byte marks it as data rather than text.
constexpr size_t kBinaryProbeBytes = 8192;

// Whether the first bytes of a file (`first`: the probe's worth or more, or the whole file) hold
// a NUL where no text has one: anywhere after no byte-order mark or a UTF-8 one, as a whole NUL
// unit after a UTF-16 one.
bool LooksBinary(std::string_view first) {
  const std::string_view head = first.substr(0, kBinaryProbeBytes);
  const bool utf16 = head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF");
  if (!utf16) return head.find('\0') != std::string_view::npos;
  for (size_t at = 2; at + 1 < head.size(); at += 2) {
    if (head[at] == '\0' && head[at + 1] == '\0') return true;
  }
  return false;
}

std::string Quoted(const std::string& path) { return "“" + path + "”"; }

}  // namespace

std::string CountCorpusDocument(const std::string& path, const ConversionSettings& settings,
                                WordStreamCounter& counter, FileProgress* progress) {
  try {
    const DocumentKind kind = KindOfDocument(path);
    if (kind == DocumentKind::kText) {
      // The file is opened once: its first block is looked at before any of it is counted.
      bool binary = false;
      CountFileWords(path, counter, progress, [&binary](std::string_view first) {
        binary = LooksBinary(first);
        return !binary;
      });
      if (binary) return Quoted(path) + "不是文本文件（含有零字节）";
      if (!counter.HasText()) return Quoted(path) + "中没有文字";
      return {};
    }
    const DocumentReading reading = CountDocument(path, kind, counter, settings, nullptr, progress);
    if (reading.result != ConversionResult::kDone) {
      return ConversionMessage(reading.result, path, kind);
    }
    if (!reading.has_text) return Quoted(path) + "中没有文字";
    return {};
  } catch (const Error& error) {
    // Every failure names the file, whether the error's message does or not.
    const std::string message = error.what();
    return message.find(path) != std::string::npos ? message : path + ": " + message;
  }
}

}  // namespace tarn
