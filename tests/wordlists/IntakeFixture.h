#pragma once

#include <sys/stat.h>
#include <unicode/ucnv.h>

#include <string>
#include <string_view>

#include "support/TempFolder.h"

namespace tarn::testing {

// UTF-16 bytes of `text` after their byte-order mark, little- or big-endian.
inline std::string Utf16Bytes(std::u16string_view text, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += big_endian ? high : low;
    bytes += big_endian ? low : high;
  }
  return bytes;
}

// `text` in Windows-1252, by ICU's converter; a character the code page lacks becomes 0x1A.
inline std::string Windows1252Bytes(std::u16string_view text) {
  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open("windows-1252", &status);
  std::string bytes(text.size(), '\0');
  const int32_t length =
      ucnv_fromUChars(converter, bytes.data(), static_cast<int32_t>(bytes.size()), text.data(),
                      static_cast<int32_t>(text.size()), &status);
  ucnv_close(converter);
  bytes.resize(static_cast<size_t>(length));
  return bytes;
}

// Writes an executable shell script `name` with `body` into `folder`; returns its path. Tests
// put such scripts in the converter's place.
inline std::string WriteScript(const TempFolder& folder, std::string_view name,
                               std::string_view body) {
  const std::string path = folder.Write(name, "#!/bin/sh\n" + std::string(body) + "\n");
  ::chmod(path.c_str(), 0755);
  return path;
}

}  // namespace tarn::testing
