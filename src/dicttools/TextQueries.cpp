#include "dicttools/TextQueries.h"

#include <string>

#include "dicttools/ToolSteps.h"
#include "text/Trim.h"
#include "text/Utf8.h"

namespace tarn::dicttools {

DictToolResult FindLongestLine(const DictToolInput& input) {
  std::u16string longest;
  size_t row = 0;
  size_t number = 0;
  for (const std::string& line : ReadLines(input.text)) {
    ++number;
    std::u16string word = TrimmedWide(line);
    if (word.size() > longest.size()) {
      longest = std::move(word);
      row = number;
    }
  }
  return MessageOnly(std::to_string(longest.size()) + " " + Utf16ToUtf8(longest) + " 在第" +
                     std::to_string(row) + "行");
}

DictToolResult ListCharacterCodes(const DictToolInput& input) {
  const size_t count = TrimView(std::u16string_view(input.box1)).size();
  std::string codes;
  for (size_t i = 0; i < count; ++i) {
    codes += '#';
    codes += std::to_string(static_cast<unsigned>(input.box1[i]));
    codes += ',';
  }
  return {std::nullopt, std::u16string(codes.begin(), codes.end()), std::nullopt};
}

}  // namespace tarn::dicttools
