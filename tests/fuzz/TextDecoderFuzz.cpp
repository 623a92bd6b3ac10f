// Feeds arbitrary bytes to the streaming text decoder, whole and cut into chunks at places the
// input itself chooses. Both ways must give the same text: the file run reads in blocks, and a
// block boundary must never change what is counted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "wordlists/TextDecoding.h"

namespace {

// Decodes `bytes` fed in pieces of `piece` bytes (0: all at once), restarting from the first
// byte when the decoder asks for it, as the file run does.
std::string Decode(std::string_view bytes, size_t piece) {
  std::string text;
  tarn::TextDecoder decoder([&text](std::string_view chunk) { text.append(chunk); });
  for (int attempt = 0; attempt < 2; ++attempt) {
    text.clear();
    bool whole = true;
    for (size_t at = 0; whole && at < bytes.size();) {
      const size_t length = piece == 0 ? bytes.size() : std::min(piece, bytes.size() - at);
      whole = decoder.Feed(bytes.substr(at, length));
      at += length;
    }
    if (whole && decoder.Finish()) return text;
  }
  std::abort();  // a second pass, as 8-bit text, can always finish
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t piece = 1 + data[0] % 7;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (Decode(bytes, 0) != Decode(bytes, piece)) std::abort();
  return 0;
}
