#pragma once

#include <sys/stat.h>

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

// Writes an executable shell script `name` with `body` into `folder`; returns its path. Tests
// put such scripts in the converter's place.
inline std::string WriteScript(const TempFolder& folder, std::string_view name,
                               std::string_view body) {
  const std::string path = folder.Write(name, "#!/bin/sh\n" + std::string(body) + "\n");
  ::chmod(path.c_str(), 0755);
  return path;
}

}  // namespace tarn::testing
