#include "wordlists/TextWordList.h"

#include "text/CodePage936.h"
#include "text/Lines.h"
#include "text/Utf8.h"
#include "text/Windows1252.h"
#include "wordlists/FileBytes.h"

namespace tarn {

namespace {

std::u16string DecodeUtf16(std::string_view bytes, bool big_endian) {
  std::u16string text(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    text[i] = big_endian ? static_cast<char16_t>(first << 8 | second)
                         : static_cast<char16_t>(second << 8 | first);
  }
  return text;
}

bool HasNonAscii(std::string_view bytes) {
  for (unsigned char c : bytes) {
    if (c >= 0x80) return true;
  }
  return false;
}

}  // namespace

std::vector<std::string> ReadTextLines(const std::string& path) {
  const std::string bytes = ReadFileBytes(path);
  if (ReadsAsWindows1252(bytes)) return SplitLines(std::string_view(Windows1252ToCp936(bytes)));
  return SplitLines(std::string_view(bytes));
}

std::u16string DecodeMarkedText(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true);
  if (bytes.starts_with("\xEF\xBB\xBF")) return Utf8ToUtf16(bytes.substr(3));
  // Editors on Linux write word lists in UTF-8 without a mark; code page 936 text is rarely
  // valid UTF-8 once it holds double-byte characters.
  if (HasNonAscii(bytes) && IsValidUtf8(bytes)) return Utf8ToUtf16(bytes);
  if (ReadsAsWindows1252(bytes)) return Windows1252ToUtf16(bytes);
  return Cp936ToUtf16(bytes);
}

std::u16string ReadMarkedText(const std::string& path) {
  return DecodeMarkedText(ReadFileBytes(path));
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
  WriteFileReplacing(path, JoinLines(lines));
}

}  // namespace tarn
