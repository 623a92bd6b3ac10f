#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace tarn::testing {

// Bytes from hex pairs separated by spaces: Hex("02 02 01") is "\x02\x02\x01".
inline std::string Hex(std::string_view pairs) {
  std::string bytes;
  for (size_t i = 0; i < pairs.size(); ++i) {
    if (pairs[i] == ' ') continue;
    bytes += static_cast<char>(std::stoi(std::string(pairs.substr(i, 2)), nullptr, 16));
    ++i;
  }
  return bytes;
}

// The bytes as hex pairs separated by spaces, for readable failure messages.
inline std::string ToHex(std::string_view bytes) {
  std::string pairs;
  char pair[4];
  for (unsigned char c : bytes) {
    std::snprintf(pair, sizeof pair, pairs.empty() ? "%02X" : " %02X", c);
    pairs += pair;
  }
  return pairs;
}

}  // namespace tarn::testing
