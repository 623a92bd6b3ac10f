// Feeds arbitrary bytes to the mark-detecting text reading. Besides crashes and sanitizer
// reports it checks that a UTF-16 file keeps one unit for every two bytes after the mark.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "wordlists/TextWordList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string text = tarn::DecodeMarkedText(bytes);
  const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
  if (utf16 && text.size() != (size - 2) / 2) std::abort();
  return 0;
}
