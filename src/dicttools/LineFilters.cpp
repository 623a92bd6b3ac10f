#include "dicttools/LineFilters.h"

#include <string>
#include <string_view>
#include <vector>

#include "dicttools/ToolSteps.h"
#include "text/CodePage936.h"

namespace tarn::dicttools {

namespace {

enum class Written { kAsItWas, kTrimmed };

// Keeps the lines for which `passes(line, trimmed wide line)` holds.
template <typename Test>
DictToolResult FilterLines(const DictToolInput& input, Written written, Test passes) {
  std::vector<std::string> kept;
  for (std::string& line : ReadLines(input.text)) {
    std::u16string wide = TrimmedWide(line);
    if (!passes(line, wide)) continue;
    kept.push_back(written == Written::kTrimmed ? Utf16ToCp936(wide) : std::move(line));
  }
  return LinesWithCount(kept);
}

bool EndsWithLongerThanKey(std::u16string_view key, std::u16string_view word) {
  return !key.empty() && word.size() > key.size() && word.ends_with(key);
}

bool IsLowerVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

}  // namespace

DictToolResult ExtractByLength(const DictToolInput& input) {
  if (!PassesDigitCheck(input.box1)) return MessageOnly("请在文本框1中输入数字！");
  if (!PassesDigitCheck(input.box2)) return MessageOnly("请在文本框2中输入数字！");
  LazyNumber low(input.box1);
  LazyNumber high(input.box2);
  std::vector<std::string> kept;
  for (const std::string& line : ReadLines(input.text)) {
    const std::u16string wide = TrimmedWide(line);
    const auto length = static_cast<int64_t>(wide.size());
    if (length < low.Get() || length > high.Get()) continue;
    kept.push_back(Utf16ToCp936(wide));
  }
  DictToolResult result = LinesOnly(kept);
  result.message = "提取成功！";
  return result;
}

DictToolResult ExtractByPrefix(const DictToolInput& input) {
  const std::u16string key = KeyOf(input);
  return FilterLines(input, Written::kAsItWas, [&](const std::string&, std::u16string_view w) {
    return PositionOf(key, w) == 1;
  });
}

DictToolResult DeleteByPrefix(const DictToolInput& input) {
  const std::u16string key = KeyOf(input);
  return FilterLines(input, Written::kAsItWas, [&](const std::string&, std::u16string_view w) {
    return PositionOf(key, w) != 1;
  });
}

DictToolResult ExtractBySuffix(const DictToolInput& input) {
  const std::u16string key = KeyOf(input);
  return FilterLines(input, Written::kAsItWas, [&](const std::string&, std::u16string_view w) {
    return EndsWithLongerThanKey(key, w);
  });
}

DictToolResult DeleteBySuffix(const DictToolInput& input) {
  const std::u16string key = KeyOf(input);
  return FilterLines(input, Written::kAsItWas, [&](const std::string&, std::u16string_view w) {
    return !EndsWithLongerThanKey(key, w);
  });
}

DictToolResult ExtractBySubstring(const DictToolInput& input) {
  const std::u16string key = KeyOf(input);
  return FilterLines(input, Written::kTrimmed, [&](const std::string&, std::u16string_view w) {
    return PositionOf(key, w) > 0;
  });
}

DictToolResult DeleteBySubstring(const DictToolInput& input) {
  const std::u16string key = KeyOf(input);
  return FilterLines(input, Written::kTrimmed, [&](const std::string&, std::u16string_view w) {
    return PositionOf(key, w) == 0;
  });
}

DictToolResult ExtractDoubledFinal(const DictToolInput& input) {
  return FilterLines(input, Written::kAsItWas, [](const std::string& line, std::u16string_view) {
    const size_t n = line.size();
    return n >= 2 && line[n - 1] == line[n - 2] && !IsLowerVowel(line[n - 1]);
  });
}

}  // namespace tarn::dicttools
