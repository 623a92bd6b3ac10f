#include "wordlists/Cp936Encoder.h"

#include "text/CodePage936.h"

namespace tarn {

uint16_t Cp936Encoder::LookUp(char32_t code_point) {
  uint16_t known = '?';
  // Surrogates are no characters at all.
  if (code_point < 0xD800 || code_point > 0xDFFF) {
    const char16_t unit = static_cast<char16_t>(code_point);
    const std::string bytes = Utf16ToCp936(std::u16string_view(&unit, 1));
    if (bytes.size() == 1) {
      known = static_cast<unsigned char>(bytes[0]);
    } else if (bytes.size() == 2) {
      known = static_cast<uint16_t>(static_cast<unsigned char>(bytes[0]) << 8 |
                                    static_cast<unsigned char>(bytes[1]));
    }
  }
  known_[code_point].store(known, std::memory_order_relaxed);
  return known;
}

}  // namespace tarn
