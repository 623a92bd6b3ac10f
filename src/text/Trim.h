#pragma once

#include <string>
#include <string_view>

namespace tarn {

// Characters with codes 0 to 32 count as blanks wherever text is trimmed.
template <typename Char>
constexpr bool IsBlank(Char c) {
  return static_cast<std::make_unsigned_t<Char>>(c) <= 0x20;
}

// `text` without blanks at either end.
template <typename Char>
std::basic_string_view<Char> TrimView(std::basic_string_view<Char> text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

inline std::string Trim(std::string_view text) { return std::string(TrimView(text)); }
inline std::u16string Trim(std::u16string_view text) { return std::u16string(TrimView(text)); }

// True when nothing is left of `text` once trimmed.
template <typename Char>
bool IsBlankText(std::basic_string_view<Char> text) {
  return TrimView(text).empty();
}

}  // namespace tarn
