#pragma once

#include <charconv>
#include <string>

namespace tarn {

// `value` in fixed notation with `places` decimals, rounded to nearest; a value that rounds to
// zero is written without a sign.
inline std::string FixedDecimals(double value, int places) {
  char text[64];
  const auto written =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, places);
  std::string fixed(text, written.ptr);
  if (fixed.starts_with('-') && fixed.find_first_not_of("-0.") == std::string::npos)
    fixed.erase(0, 1);
  return fixed;
}

}  // namespace tarn
