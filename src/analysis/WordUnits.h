#pragma once

#include <array>

namespace tarn {

// What a unit of the working text is to the apostrophe rules and the word cut. Units are the
// ASCII bytes themselves, every unit beyond ASCII being one that is none of these.
enum UnitKind : unsigned char { kLetter, kDigit, kApostrophe, kSeparator };

constexpr std::array<unsigned char, 256> MakeUnitKinds() {
  std::array<unsigned char, 256> kinds{};
  for (int u = 0; u < 256; ++u) {
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z')) {
      kinds[u] = kLetter;
    } else if (u >= '0' && u <= '9') {
      kinds[u] = kDigit;
    } else if (u == '\'') {
      kinds[u] = kApostrophe;
    } else {
      kinds[u] = kSeparator;
    }
  }
  return kinds;
}

// The UnitKind of every unit, for the counting run and for everything that must cut a text
// exactly as it does.
inline constexpr std::array<unsigned char, 256> kUnitKinds = MakeUnitKinds();

}  // namespace tarn
