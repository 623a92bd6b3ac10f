#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "wordlists/Cp936Encoder.h"

namespace tarn {

// What the bytes of a text file turned out to be.
enum class TextEncoding { kCp936, kUtf8, kUtf16Le, kUtf16Be, kWindows1252 };

// Turns the bytes of a text file, fed in chunks cut anywhere, into code page 936 text for a
// sink. A UTF-8 or UTF-16 (LE or BE) byte-order mark decides the encoding and is dropped;
// without one the text is UTF-8 when it is valid UTF-8 beyond ASCII, and otherwise 8-bit:
// Windows-1252 or code page 936 as ReadsAsWindows1252 decides on its sample, which the decoder
// holds back (at most kEightBitSampleSize bytes) until it is complete. A NUL byte (in UTF-16 a
// NUL unit) ends the text and never reaches the sink. Characters the code page lacks, and
// malformed sequences after a UTF-8 mark, become "?".
class TextDecoder {
 public:
  // Receives the decoded text in chunks; ASCII passes through without being copied.
  using Sink = std::function<void(std::string_view)>;

  explicit TextDecoder(Sink sink);

  // Decodes the next bytes. Returns false when text already passed on as UTF-8 turns out not to
  // be UTF-8 after all: the caller then forgets what the sink received and feeds the file again
  // from its first byte, which this decoder now reads as 8-bit text.
  [[nodiscard]] bool Feed(std::string_view bytes);
  // Ends the input; returns false as Feed does (a UTF-8 sequence cut off by the end).
  [[nodiscard]] bool Finish();

  // Whether a NUL has ended the text; later bytes are ignored.
  bool Ended() const { return ended_; }
  // The encoding as far as the bytes so far decide it (code page 936 while they are ASCII or
  // the 8-bit sample is still being gathered).
  TextEncoding Encoding() const;

 private:
  enum class Mode {
    kSniff,
    kAsciiSoFar,
    kUtf8Guess,
    kUtf8Marked,
    kUtf16Le,
    kUtf16Be,
    kEightBitSample,
    kCp936,
    kWindows1252,
  };

  bool DecideByMark();
  bool Decode(std::string_view bytes);
  void DecodeCp936(std::string_view bytes);
  void SampleEightBit(std::string_view bytes);
  void EndSample();
  void DecodeEightBit(std::string_view bytes);
  bool DecodeAsciiSoFar(std::string_view bytes);
  bool DecodeUtf8(std::string_view bytes);
  bool Utf8Invalid(std::string_view rest);
  void DecodeUtf16(std::string_view bytes);
  bool Utf16Unit(char16_t unit);
  void Emit(std::string_view bytes);
  // Room for at least `size` bytes to decode a chunk into, holding anything. It only grows and
  // is never cleared: a corpus of thousands of documents would pay for that in each of them.
  char* Room(size_t size);

  Sink sink_;
  Mode mode_ = Mode::kSniff;
  bool ended_ = false;
  bool non_ascii_sent_ = false;  // a decoded UTF-8 character has reached the sink
  std::string pending_;          // mark bytes, a cut UTF-8 sequence or an odd UTF-16 byte
  std::string sample_;           // 8-bit text from its first byte beyond ASCII, not yet read
  char16_t high_surrogate_ = 0;  // a UTF-16 high surrogate waiting for its partner
  std::string out_;              // a UTF-16 chunk decoded
  std::unique_ptr<char[]> room_;
  size_t room_size_ = 0;
  Cp936Encoder encoder_;
};

}  // namespace tarn
