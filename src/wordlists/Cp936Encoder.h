#pragma once

#include <atomic>
#include <cstdint>
#include <string>

namespace tarn {

// Code page 936 bytes of single characters, each looked up once and then remembered by every
// encoder of the program, on any thread, so that decoding a document costs one table read per
// character beyond ASCII, and a corpus of many documents looks each character up only once.
class Cp936Encoder {
 public:
  // Appends the code page 936 form of `code_point` to `out`: ASCII as itself, a character the
  // code page lacks, a surrogate or anything past U+10FFFF as "?".
  void Append(char32_t code_point, std::string& out) {
    char bytes[2];
    out.append(bytes, static_cast<size_t>(Put(code_point, bytes) - bytes));
  }

  // Writes the same form to `out`, which has room for two bytes; returns the end of what it wrote.
  char* Put(char32_t code_point, char* out) {
    if (code_point < 0x80) {
      *out = static_cast<char>(code_point);
      return out + 1;
    }
    uint16_t bytes = '?';  // the code page has no characters beyond the BMP
    if (code_point <= 0xFFFF) {
      bytes = known_[code_point].load(std::memory_order_relaxed);
      if (bytes == 0) bytes = LookUp(code_point);
    }
    if (bytes < 0x100) {
      *out = static_cast<char>(bytes);
      return out + 1;
    }
    out[0] = static_cast<char>(bytes >> 8);
    out[1] = static_cast<char>(bytes & 0xFF);
    return out + 2;
  }

 private:
  // Finds and remembers the form of a BMP character not looked up before.
  static uint16_t LookUp(char32_t code_point);

  // Per BMP character: 0 until looked up, then the single byte (below 0x100) or lead << 8 | trail.
  // Two threads that look the same character up at once store the same form.
  static inline std::atomic<uint16_t> known_[0x10000] = {};
};

}  // namespace tarn
