#pragma once

#include <cstdint>

namespace tarn {

// The number of characters `value` takes in decimal, a minus sign included.
constexpr int DecimalLength(int64_t value) {
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  int length = value < 0 ? 2 : 1;
  while (magnitude >= 10) {
    magnitude /= 10;
    ++length;
  }
  return length;
}

}  // namespace tarn
