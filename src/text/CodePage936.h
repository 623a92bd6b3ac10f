#pragma once

#include <string>
#include <string_view>

namespace tarn {

// Widens 8-bit text in code page 936 to UTF-16. Pure ASCII takes a fast path; malformed
// double-byte sequences become U+FFFD.
std::u16string Cp936ToUtf16(std::string_view text);
// The same into `wide`, whose storage ASCII text reuses: a loop over many words allocates once.
void Cp936ToUtf16(std::string_view text, std::u16string& wide);

// Narrows UTF-16 to code page 936; a character the code page lacks becomes "?".
std::string Utf16ToCp936(std::u16string_view text);
// Whether every unit of `text` is ASCII, which code page 936 writes as the same bytes.
bool IsAscii(std::u16string_view text);

// True when `byte` starts a double-byte character and `next` can complete it.
constexpr bool IsCp936Pair(unsigned char byte, unsigned char next) {
  return byte >= 0x81 && byte <= 0xFE && next >= 0x40 && next <= 0xFE && next != 0x7F;
}

}  // namespace tarn
