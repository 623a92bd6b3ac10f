#pragma once

#include <string>
#include <string_view>

namespace tarn {

// Decodes UTF-8; a malformed sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// Encodes UTF-16 as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// True when `text` is well-formed UTF-8 (no overlongs, surrogates or values past U+10FFFF).
bool IsValidUtf8(std::string_view text);

// Code page 936 text from UTF-8 and back, for the command line and the windows.
std::string Utf8ToCp936(std::string_view text);
std::string Cp936ToUtf8(std::string_view text);

}  // namespace tarn
