#include "wordlists/DatParser.h"

#include <cstdint>

#include "text/CodePage936.h"
#include "text/Error.h"

namespace tarn {

namespace {

enum Tag : uint8_t {
  kEnd = 0x00,
  kListStart = 0x01,
  kInt8 = 0x02,
  kInt16 = 0x03,
  kInt32 = 0x04,
  kShortString = 0x06,
  kLongString = 0x0C,
  kWideString = 0x12,
  kUtf8String = 0x14,
};

[[noreturn]] void InvalidValue() { throw Error("Invalid property value"); }
[[noreturn]] void ReadError() { throw Error("Stream read error"); }

// A cursor over the bytes that fails with "Stream read error" instead of reading past the end.
class ByteCursor {
 public:
  explicit ByteCursor(std::string_view bytes) : bytes_(bytes) {}

  uint8_t Byte() {
    if (pos_ >= bytes_.size()) ReadError();
    return static_cast<uint8_t>(bytes_[pos_++]);
  }

  // A signed little-endian integer of `size` bytes (1, 2 or 4).
  int32_t Signed(int size) {
    if (bytes_.size() - pos_ < static_cast<size_t>(size)) ReadError();
    uint32_t value = 0;
    for (int i = 0; i < size; ++i) value |= uint32_t{Byte()} << (8 * i);
    if (size == 1) return static_cast<int8_t>(value);
    if (size == 2) return static_cast<int16_t>(value);
    return static_cast<int32_t>(value);
  }

  // The next `size` bytes; checked against what is left before anything is taken.
  std::string_view Take(int64_t size) {
    if (size < 0 || static_cast<uint64_t>(size) > bytes_.size() - pos_) ReadError();
    const std::string_view taken = bytes_.substr(pos_, static_cast<size_t>(size));
    pos_ += static_cast<size_t>(size);
    return taken;
  }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

std::u16string ReadUtf16Le(std::string_view bytes) {
  std::u16string text(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                    static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
  }
  return text;
}

std::u16string ReadEntry(ByteCursor& cursor) {
  switch (cursor.Byte()) {
    case kShortString:
      return Cp936ToUtf16(cursor.Take(cursor.Byte()));
    case kLongString:
      return Cp936ToUtf16(cursor.Take(cursor.Signed(4)));
    case kWideString:
      return ReadUtf16Le(cursor.Take(int64_t{cursor.Signed(4)} * 2));
    case kUtf8String:
      return DecodeDatUtf8(cursor.Take(cursor.Signed(4)));
    default:
      InvalidValue();
  }
}

bool IsContinuation(uint8_t byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::u16string DecodeDatUtf8(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<uint8_t>(bytes[i]);
    const size_t left = bytes.size() - i;
    if (lead < 0x80) {
      text += static_cast<char16_t>(lead);
      i += 1;
    } else if (lead >= 0xC2 && lead <= 0xDF && left >= 2 &&
               IsContinuation(static_cast<uint8_t>(bytes[i + 1]))) {
      text += static_cast<char16_t>((lead & 0x1F) << 6 | (bytes[i + 1] & 0x3F));
      i += 2;
    } else if (lead >= 0xE0 && lead <= 0xEF && left >= 3 &&
               IsContinuation(static_cast<uint8_t>(bytes[i + 1])) &&
               IsContinuation(static_cast<uint8_t>(bytes[i + 2])) &&
               (lead != 0xE0 || static_cast<uint8_t>(bytes[i + 1]) >= 0xA0)) {
      text += static_cast<char16_t>((lead & 0x0F) << 12 | (bytes[i + 1] & 0x3F) << 6 |
                                    (bytes[i + 2] & 0x3F));
      i += 3;
    } else {
      return {};
    }
  }
  return text;
}

void ParseDat(std::string_view bytes, const DatEntryConsumer& consume) {
  ByteCursor cursor(bytes);
  int32_t count = 0;
  switch (cursor.Byte()) {
    case kInt8:
      count = cursor.Signed(1);
      break;
    case kInt16:
      count = cursor.Signed(2);
      break;
    case kInt32:
      count = cursor.Signed(4);
      break;
    default:
      InvalidValue();
  }
  if (cursor.Byte() != kListStart) InvalidValue();
  // The count is trusted only one entry at a time: every entry must be there in the bytes.
  for (int32_t i = 0; i < count; ++i) consume(ReadEntry(cursor));
  if (cursor.Byte() != kEnd) InvalidValue();
}

}  // namespace tarn
