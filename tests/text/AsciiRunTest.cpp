#include <gtest/gtest.h>

#include <string>

#include "text/AsciiRun.h"

namespace tarn {
namespace {

// The first NUL or byte beyond ASCII, wherever it falls among the blocks the search takes at
// once: at a block's first or last byte, in the tail after the last whole block, or nowhere.
TEST(FindNulOrBeyondAscii, FindsTheFirstSuchByteAnywhere) {
  for (const size_t length : {size_t{0}, size_t{5}, size_t{16}, size_t{64}, size_t{200}}) {
    const std::string ascii(length, 'a');
    const auto* bytes = reinterpret_cast<const unsigned char*>(ascii.data());
    EXPECT_EQ(FindNulOrBeyondAscii(bytes, ascii.size()), length);
  }
  for (const size_t at : {0, 15, 16, 63, 64, 100, 127, 128, 191, 192, 199}) {
    for (const char special : {'\0', '\x80', '\xFF'}) {
      std::string text(200, 'z');
      text[at] = special;
      text[199] = '\x90';  // a later one is not the first
      const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
      EXPECT_EQ(FindNulOrBeyondAscii(bytes, text.size()), at)
          << at << " " << static_cast<int>(special);
    }
  }
}

}  // namespace
}  // namespace tarn
