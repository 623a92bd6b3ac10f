#include "dicttools/LineTransforms.h"

#include <string>
#include <vector>

#include "dicttools/ToolSteps.h"
#include "text/CodePage936.h"

namespace tarn::dicttools {

DictToolResult CutBeforeKey(const DictToolInput& input) {
  const std::u16string key = KeyOf(input);
  std::vector<std::string> parts;
  for (const std::string& line : ReadLines(input.text)) {
    const std::u16string word = TrimmedWide(line);
    if (word.size() < 2) continue;
    const size_t position = PositionOf(key, word);
    parts.push_back(position == 0 ? std::string() : Utf16ToCp936(word.substr(0, position - 1)));
  }
  return LinesOnly(parts);
}

DictToolResult TakeFirstCharacters(const DictToolInput& input) {
  if (!PassesDigitCheck(input.box1)) return MessageOnly("请在文本框中输入数字！");
  LazyNumber least(input.box1);
  std::vector<std::string> firsts;
  for (const std::string& line : ReadLines(input.text)) {
    const auto length = static_cast<int64_t>(TrimmedWide(line).size());
    if (length < least.Get() || line.empty()) continue;
    const bool pair = line.size() >= 2 && IsCp936Pair(static_cast<unsigned char>(line[0]),
                                                      static_cast<unsigned char>(line[1]));
    firsts.push_back(line.substr(0, pair ? 2 : 1));
  }
  return LinesOnly(firsts);
}

DictToolResult BlankAboveCode(const DictToolInput& input) {
  if (input.text.empty()) return {input.text, std::nullopt, std::nullopt};
  const int32_t limit = ReadNumber(input.box1);
  std::u16string blanked = input.text;
  for (char16_t& c : blanked) {
    if (c > limit && c != u'\r' && c != u'\n') c = u' ';
  }
  return {std::move(blanked), std::nullopt, std::nullopt};
}

}  // namespace tarn::dicttools
