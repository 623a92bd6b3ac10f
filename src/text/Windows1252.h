#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarn {

// The character of one Windows-1252 byte: 0xA0 to 0xFF and ASCII as in Latin-1, 0x80 to 0x9F
// the code page's quotes, dashes and letters. The five bytes it leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) stand for the C1 control of the same value, as Windows reads them.
char16_t Windows1252Char(unsigned char byte);

// Widens Windows-1252 text to UTF-16; NUL bytes stay.
std::u16string Windows1252ToUtf16(std::string_view text);

// Writes the code page 936 form of one Windows-1252 byte beyond ASCII (0x80 to 0xFF) to `out`,
// which has room for two bytes; returns the end of what it wrote. A character the code page
// lacks becomes "?".
char* PutWindows1252AsCp936(unsigned char byte, char* out);

// Windows-1252 text in code page 936, as PutWindows1252AsCp936 writes each byte beyond ASCII;
// NUL bytes stay.
std::string Windows1252ToCp936(std::string_view text);

// How many bytes, counted from its first byte beyond ASCII, decide how 8-bit text is read.
inline constexpr size_t kEightBitSampleSize = size_t{64} << 10;

// True when 8-bit text without a mark reads as Windows-1252 rather than as code page 936. Only
// the sample decides: up to kEightBitSampleSize bytes from the first byte beyond ASCII, ending
// early at a NUL (which ends a text), since the ASCII before it reads alike either way. Text
// with nothing beyond ASCII is code page 936.
bool ReadsAsWindows1252(std::string_view text);

}  // namespace tarn
