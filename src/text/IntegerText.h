#pragma once

#include <cstdint>
#include <string_view>

namespace tarn {

// Reads an integer typed into a text box: leading spaces, one optional sign, then decimal
// digits, or "$", "x", "0x" and hexadecimal digits. Decimal values must fit in 32 signed bits;
// hexadecimal ones may use all 32 bits (0xFFFFFFFF is -1). Anything else throws tarn::Error
// "'%s' is not a valid integer value" with `text` as typed (UTF-8).
int32_t StrToInt(std::string_view text);

}  // namespace tarn
