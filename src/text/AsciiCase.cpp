#include "text/AsciiCase.h"

#include "text/CodePage936.h"

namespace tarn {

namespace {

template <typename Char>
constexpr Char ToLowerAscii(Char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<Char>(c + ('a' - 'A')) : c;
}

}  // namespace

std::string LowerAscii(std::string_view cp936) {
  std::string lowered(cp936);
  const size_t size = lowered.size();
  for (size_t i = 0; i < size; ++i) {
    const auto byte = static_cast<unsigned char>(lowered[i]);
    if (i + 1 < size && IsCp936Pair(byte, static_cast<unsigned char>(lowered[i + 1]))) {
      ++i;
    } else {
      lowered[i] = ToLowerAscii(lowered[i]);
    }
  }
  return lowered;
}

std::u16string LowerAscii(std::u16string_view text) {
  std::u16string lowered(text);
  for (char16_t& c : lowered) c = ToLowerAscii(c);
  return lowered;
}

}  // namespace tarn
