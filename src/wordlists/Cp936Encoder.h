#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarn {

// Code page 936 bytes of single characters, each looked up once and then remembered, so that
// decoding a document costs one table read per character beyond ASCII.
class Cp936Encoder {
 public:
  Cp936Encoder();

  // Appends the code page 936 form of `code_point` to `out`: ASCII as itself, a character the
  // code page lacks, a surrogate or anything past U+10FFFF as "?".
  void Append(char32_t code_point, std::string& out);

 private:
  // Per BMP character: 0 until looked up, then the single byte (below 0x100) or lead << 8 | trail.
  std::vector<uint16_t> known_;
};

}  // namespace tarn
