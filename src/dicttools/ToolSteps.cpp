#include "dicttools/ToolSteps.h"

#include "text/CodePage936.h"
#include "text/IntegerText.h"
#include "text/Lines.h"
#include "text/Trim.h"
#include "text/Utf8.h"

namespace tarn::dicttools {

std::vector<std::string> ReadLines(std::u16string_view text) {
  return SplitLines(std::string_view(Utf16ToCp936(text)));
}

std::u16string WriteLines(const std::vector<std::string>& lines) {
  return Cp936ToUtf16(JoinLines(lines));
}

std::u16string KeyOf(const DictToolInput& input) { return Trim(input.box1); }

std::u16string TrimmedWide(std::string_view line) { return Trim(Cp936ToUtf16(line)); }

size_t PositionOf(std::u16string_view key, std::u16string_view word) {
  if (key.empty()) return 0;
  const size_t found = word.find(key);
  return found == std::u16string_view::npos ? 0 : found + 1;
}

bool PassesDigitCheck(std::u16string_view box) {
  for (char16_t c : TrimView(box)) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

int32_t ReadNumber(std::u16string_view box) { return StrToInt(Utf16ToUtf8(box)); }

int32_t LazyNumber::Get() {
  if (!read_) {
    value_ = ReadNumber(box_);
    read_ = true;
  }
  return value_;
}

DictToolResult LinesWithCount(const std::vector<std::string>& lines) {
  return {WriteLines(lines), std::nullopt, std::to_string(lines.size())};
}

DictToolResult LinesOnly(const std::vector<std::string>& lines) {
  return {WriteLines(lines), std::nullopt, std::nullopt};
}

DictToolResult MessageOnly(std::string message) {
  return {std::nullopt, std::nullopt, std::move(message)};
}

}  // namespace tarn::dicttools
