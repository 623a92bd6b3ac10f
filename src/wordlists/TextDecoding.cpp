#include "wordlists/TextDecoding.h"

#include <algorithm>
#include <cstring>

#include "text/AsciiRun.h"
#include "text/Windows1252.h"

namespace tarn {

namespace {

// One well-formed UTF-8 sequence at `p` (no overlongs, surrogates or values past U+10FFFF):
// its length with the character in `code_point`, 0 when the `n` bytes end inside a sequence
// that may still be well formed, and minus the length of the malformed part when it is
// malformed: the longest start of a sequence that could have been well formed, at least one
// byte, which stands for one replacement character however the input is cut into chunks.
int Utf8Sequence(const unsigned char* p, size_t n, char32_t& code_point) {
  const unsigned char lead = p[0];
  int length;
  char32_t value;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return -1;
  }
  for (int k = 1; k < length; ++k) {
    if (static_cast<size_t>(k) >= n) return 0;
    const unsigned char next = p[k];
    if (next < low || next > high) return -k;
    low = 0x80;
    high = 0xBF;
    value = value << 6 | (next & 0x3F);
  }
  code_point = value;
  return length;
}

const unsigned char* Bytes(std::string_view text) {
  return reinterpret_cast<const unsigned char*>(text.data());
}

}  // namespace

TextDecoder::TextDecoder(Sink sink) : sink_(std::move(sink)) {}

char* TextDecoder::Room(size_t size) {
  if (room_size_ < size) {
    room_ = std::make_unique_for_overwrite<char[]>(size);
    room_size_ = size;
  }
  return room_.get();
}

TextEncoding TextDecoder::Encoding() const {
  switch (mode_) {
    case Mode::kUtf8Guess:
    case Mode::kUtf8Marked:
      return TextEncoding::kUtf8;
    case Mode::kUtf16Le:
      return TextEncoding::kUtf16Le;
    case Mode::kUtf16Be:
      return TextEncoding::kUtf16Be;
    case Mode::kWindows1252:
      return TextEncoding::kWindows1252;
    default:
      return TextEncoding::kCp936;
  }
}

bool TextDecoder::Feed(std::string_view bytes) {
  if (ended_ || bytes.empty()) return true;
  if (mode_ != Mode::kSniff) return Decode(bytes);
  // The longest mark has three bytes; wait for them.
  const size_t take = std::min(3 - pending_.size(), bytes.size());
  pending_.append(bytes.substr(0, take));
  if (pending_.size() < 3) return true;
  return DecideByMark() && Decode(bytes.substr(take));
}

// Picks the encoding by the first bytes (at most three), then decodes those after the mark.
bool TextDecoder::DecideByMark() {
  const std::string head = std::move(pending_);
  pending_.clear();
  std::string_view rest = head;
  if (rest.starts_with("\xFF\xFE")) {
    mode_ = Mode::kUtf16Le;
    rest.remove_prefix(2);
  } else if (rest.starts_with("\xFE\xFF")) {
    mode_ = Mode::kUtf16Be;
    rest.remove_prefix(2);
  } else if (rest.starts_with("\xEF\xBB\xBF")) {
    mode_ = Mode::kUtf8Marked;
    rest.remove_prefix(3);
  } else {
    mode_ = Mode::kAsciiSoFar;
  }
  return Decode(rest);
}

bool TextDecoder::Decode(std::string_view bytes) {
  if (ended_ || bytes.empty()) return true;
  switch (mode_) {
    case Mode::kAsciiSoFar:
      return DecodeAsciiSoFar(bytes);
    case Mode::kUtf8Guess:
    case Mode::kUtf8Marked:
      return DecodeUtf8(bytes);
    case Mode::kUtf16Le:
    case Mode::kUtf16Be:
      DecodeUtf16(bytes);
      return true;
    case Mode::kEightBitSample:
      SampleEightBit(bytes);
      return true;
    default:
      DecodeEightBit(bytes);
      return true;
  }
}

void TextDecoder::Emit(std::string_view bytes) {
  if (!bytes.empty()) sink_(bytes);
}

void TextDecoder::DecodeCp936(std::string_view bytes) {
  const size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) {
    ended_ = true;
    bytes = bytes.substr(0, nul);
  }
  Emit(bytes);
}

// 8-bit text whose sample is still incomplete: ASCII goes on at once, since it reads alike
// either way; from the first byte beyond ASCII the bytes wait in `sample_` until there are
// enough of them, or a NUL, to decide.
void TextDecoder::SampleEightBit(std::string_view bytes) {
  if (sample_.empty()) {
    const size_t special = FindNulOrBeyondAscii(Bytes(bytes), bytes.size());
    Emit(bytes.substr(0, special));
    if (special == bytes.size()) return;
    if (bytes[special] == '\0') {
      ended_ = true;
      return;
    }
    bytes.remove_prefix(special);
    sample_.reserve(kEightBitSampleSize);
  }
  const std::string_view taken = bytes.substr(0, kEightBitSampleSize - sample_.size());
  sample_.append(taken);
  if (sample_.size() < kEightBitSampleSize && taken.find('\0') == std::string_view::npos) return;
  EndSample();
  DecodeEightBit(bytes.substr(taken.size()));
}

// Decides the 8-bit encoding on the sample gathered so far and passes the sample on.
void TextDecoder::EndSample() {
  mode_ = ReadsAsWindows1252(sample_) ? Mode::kWindows1252 : Mode::kCp936;
  const std::string sample = std::move(sample_);
  sample_ = std::string();
  DecodeEightBit(sample);
}

void TextDecoder::DecodeEightBit(std::string_view bytes) {
  if (ended_ || bytes.empty()) return;
  if (mode_ == Mode::kCp936) {
    DecodeCp936(bytes);
    return;
  }
  const size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) {
    ended_ = true;
    bytes = bytes.substr(0, nul);
  }
  // Every byte gives at most two.
  const unsigned char* p = Bytes(bytes);
  const size_t n = bytes.size();
  char* const out = Room(2 * n);
  char* o = out;
  for (size_t i = 0; i < n;) {
    const size_t high = i + FindNulOrBeyondAscii(p + i, n - i);
    std::memcpy(o, p + i, high - i);
    o += high - i;
    if (high == n) break;
    o = PutWindows1252AsCp936(p[high], o);
    i = high + 1;
  }
  Emit(std::string_view(out, static_cast<size_t>(o - out)));
}

bool TextDecoder::DecodeAsciiSoFar(std::string_view bytes) {
  const size_t special = FindNulOrBeyondAscii(Bytes(bytes), bytes.size());
  Emit(bytes.substr(0, special));
  if (special == bytes.size()) return true;
  if (bytes[special] == '\0') {
    ended_ = true;
    return true;
  }
  mode_ = Mode::kUtf8Guess;
  return DecodeUtf8(bytes.substr(special));
}

bool TextDecoder::DecodeUtf8(std::string_view bytes) {
  const unsigned char* p = Bytes(bytes);
  const size_t n = bytes.size();
  size_t i = 0;
  char32_t code_point = 0;
  // No sequence grows in code page 936, so the chunk's size (and two bytes for a character
  // completed from the last chunk) is room enough.
  char* const out = Room(n + 2);
  char* o = out;
  if (!pending_.empty()) {
    // Complete the sequence the last chunk cut off.
    const size_t had = pending_.size();
    pending_.append(bytes.substr(0, std::min<size_t>(4 - had, n)));
    const int length = Utf8Sequence(Bytes(pending_), pending_.size(), code_point);
    if (length == 0) return true;  // still cut off; all of `bytes` is in `pending_`
    if (length < 0) {
      pending_.resize(had);
      const size_t malformed_here = static_cast<size_t>(-length) - had;
      return Utf8Invalid(mode_ == Mode::kUtf8Marked ? bytes.substr(malformed_here) : bytes);
    }
    pending_.clear();
    o = encoder_.Put(code_point, o);
    non_ascii_sent_ = true;
    i = static_cast<size_t>(length) - had;
  }
  while (i < n) {
    const size_t special = i + FindNulOrBeyondAscii(p + i, n - i);
    if (special == n && i == 0) {
      Emit(bytes);  // nothing to decode: hand the chunk on as it is
      return true;
    }
    std::memcpy(o, p + i, special - i);
    o += special - i;
    i = special;
    if (i == n) break;
    if (p[i] == 0) {
      ended_ = true;
      break;
    }
    const int length = Utf8Sequence(p + i, n - i, code_point);
    if (length > 0) {
      o = encoder_.Put(code_point, o);
      non_ascii_sent_ = true;
      i += static_cast<size_t>(length);
    } else if (length == 0) {
      pending_.assign(bytes.substr(i));
      break;
    } else if (mode_ == Mode::kUtf8Marked) {
      *o++ = '?';
      i += static_cast<size_t>(-length);
    } else {
      Emit(std::string_view(out, static_cast<size_t>(o - out)));
      return Utf8Invalid(bytes.substr(i));
    }
  }
  Emit(std::string_view(out, static_cast<size_t>(o - out)));
  return true;
}

// A malformed sequence (`pending_`, then `rest`) in text that was taken for UTF-8 without a
// mark. Before any decoded character the text so far was ASCII, which both 8-bit encodings
// read alike, so reading simply goes on as 8-bit text from the sequence, its first byte beyond
// ASCII; otherwise it has to start again.
bool TextDecoder::Utf8Invalid(std::string_view rest) {
  if (mode_ == Mode::kUtf8Marked) {
    pending_.clear();
    Emit("?");
    return DecodeUtf8(rest);
  }
  mode_ = Mode::kEightBitSample;
  const std::string cut = std::move(pending_);
  pending_.clear();
  if (non_ascii_sent_) return false;
  SampleEightBit(cut);
  if (!ended_) Decode(rest);
  return true;
}

void TextDecoder::DecodeUtf16(std::string_view bytes) {
  const bool big_endian = mode_ == Mode::kUtf16Be;
  auto unit = [big_endian](unsigned char first, unsigned char second) {
    return static_cast<char16_t>(big_endian ? first << 8 | second : second << 8 | first);
  };
  const unsigned char* p = Bytes(bytes);
  const size_t n = bytes.size();
  size_t i = 0;
  out_.clear();
  if (!pending_.empty()) {
    const char16_t first = unit(static_cast<unsigned char>(pending_[0]), p[0]);
    pending_.clear();
    i = 1;
    if (!Utf16Unit(first)) {
      Emit(out_);
      return;
    }
  }
  for (; i + 1 < n; i += 2) {
    if (!Utf16Unit(unit(p[i], p[i + 1]))) break;
  }
  if (!ended_ && i < n) pending_.assign(1, static_cast<char>(p[i]));
  Emit(out_);
}

// Decodes one UTF-16 unit into `out_`; false when it is the NUL that ends the text.
bool TextDecoder::Utf16Unit(char16_t unit) {
  if (high_surrogate_ != 0) {
    const char16_t high = high_surrogate_;
    high_surrogate_ = 0;
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
      encoder_.Append(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00), out_);
      return true;
    }
    out_ += '?';
  }
  if (unit == 0) {
    ended_ = true;
    return false;
  }
  if (unit < 0x80) {
    out_ += static_cast<char>(unit);
  } else if (unit >= 0xD800 && unit <= 0xDBFF) {
    high_surrogate_ = unit;
  } else {
    encoder_.Append(unit, out_);
  }
  return true;
}

bool TextDecoder::Finish() {
  if (mode_ == Mode::kSniff && !DecideByMark()) return false;
  if (ended_) return true;
  switch (mode_) {
    case Mode::kUtf8Marked:
      if (!pending_.empty()) Emit("?");
      break;
    case Mode::kUtf8Guess:
      if (!pending_.empty() && !Utf8Invalid({})) return false;
      break;
    case Mode::kUtf16Le:
    case Mode::kUtf16Be:
      if (high_surrogate_ != 0) Emit("?");
      break;
    default:
      break;
  }
  if (mode_ == Mode::kEightBitSample && !sample_.empty()) EndSample();
  pending_.clear();
  high_surrogate_ = 0;
  return true;
}

}  // namespace tarn
