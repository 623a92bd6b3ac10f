#pragma once

#include <string>
#include <string_view>

namespace tarn {

// Lower-cases code page 936 text: only A-Z change, and no byte of a double-byte character
// does (its trail byte may equal an ASCII capital).
std::string LowerAscii(std::string_view cp936);

// Lower-cases UTF-16 text: only A-Z change.
std::u16string LowerAscii(std::u16string_view text);

}  // namespace tarn
