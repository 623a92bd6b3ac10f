#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// Splits text into lines at CR LF, CR or LF (CR LF is one break, LF CR two). A NUL ends the
// text, and a break at the very end adds no empty line.
template <typename Char>
std::vector<std::basic_string<Char>> SplitLines(std::basic_string_view<Char> text) {
  std::vector<std::basic_string<Char>> lines;
  const size_t end = std::min(text.find(Char(0)), text.size());
  size_t i = 0;
  while (i < end) {
    size_t stop = i;
    while (stop < end && text[stop] != Char('\r') && text[stop] != Char('\n')) ++stop;
    lines.emplace_back(text.substr(i, stop - i));
    i = stop;
    if (i < end && text[i] == Char('\r')) ++i;
    if (i < end && text[i] == Char('\n')) ++i;
  }
  return lines;
}

inline std::vector<std::string> SplitLines(std::string_view text) {
  return SplitLines<char>(text);
}
inline std::vector<std::u16string> SplitLines(std::u16string_view text) {
  return SplitLines<char16_t>(text);
}

// Joins lines with CR LF after every line, the last one included.
template <typename Char>
std::basic_string<Char> JoinLines(const std::vector<std::basic_string<Char>>& lines) {
  size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::basic_string<Char> joined;
  joined.reserve(size);
  for (const auto& line : lines) {
    joined += line;
    joined += Char('\r');
    joined += Char('\n');
  }
  return joined;
}

}  // namespace tarn
