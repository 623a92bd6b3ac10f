#pragma once

#include <string>
#include <string_view>

namespace tarn {

// Compares two texts the way the user's locale orders them, ignoring case (an ICU collator at
// secondary strength). Returns <0, 0 or >0.
int CompareTextIgnoreCase(std::u16string_view a, std::u16string_view b);

// The same for code page 936 texts.
int CompareTextIgnoreCase(std::string_view a, std::string_view b);

// A binary key whose byte order equals CompareTextIgnoreCase's order: equal keys mean the
// texts compare equal. For sorting and de-duplicating many lines at once.
std::string CollationKey(std::u16string_view text);

}  // namespace tarn
