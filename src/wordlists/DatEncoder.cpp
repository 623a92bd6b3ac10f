#include "wordlists/DatEncoder.h"

#include <cstdint>
#include <string_view>

#include "text/CodePage936.h"
#include "text/Trim.h"

namespace tarn {

namespace {

void AppendLittleEndian(std::string& out, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

void AppendCount(std::string& out, int32_t count) {
  if (count >= -128 && count <= 127) {
    out += '\x02';
    AppendLittleEndian(out, static_cast<uint32_t>(count), 1);
  } else if (count >= -32768 && count <= 32767) {
    out += '\x03';
    AppendLittleEndian(out, static_cast<uint32_t>(count), 2);
  } else {
    out += '\x04';
    AppendLittleEndian(out, static_cast<uint32_t>(count), 4);
  }
}

// UTF-8 of every UTF-16 unit on its own (a surrogate takes three bytes like any other unit).
std::string UnitwiseUtf8(std::u16string_view entry) {
  std::string bytes;
  for (char16_t unit : entry) {
    if (unit < 0x80) {
      bytes += static_cast<char>(unit);
    } else if (unit < 0x800) {
      bytes += static_cast<char>(0xC0 | unit >> 6);
      bytes += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
      bytes += static_cast<char>(0xE0 | unit >> 12);
      bytes += static_cast<char>(0x80 | (unit >> 6 & 0x3F));
      bytes += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return bytes;
}

void AppendEntry(std::string& out, std::u16string_view entry) {
  const std::string utf8 = UnitwiseUtf8(entry);
  if (utf8.size() < 2 * entry.size()) {
    if (Utf16ToCp936(entry) == utf8) {
      if (utf8.size() <= 255) {
        out += '\x06';
        AppendLittleEndian(out, static_cast<uint32_t>(utf8.size()), 1);
      } else {
        out += '\x0C';
        AppendLittleEndian(out, static_cast<uint32_t>(utf8.size()), 4);
      }
    } else {
      out += '\x14';
      AppendLittleEndian(out, static_cast<uint32_t>(utf8.size()), 4);
    }
    out += utf8;
    return;
  }
  out += '\x12';
  AppendLittleEndian(out, static_cast<uint32_t>(entry.size()), 4);
  for (char16_t unit : entry) AppendLittleEndian(out, unit, 2);
}

}  // namespace

std::string EncodeDatEntries(const std::vector<std::u16string>& entries) {
  std::string out;
  AppendCount(out, static_cast<int32_t>(entries.size()));
  out += '\x01';
  for (const std::u16string& entry : entries) AppendEntry(out, entry);
  out += '\x00';
  return out;
}

std::string EncodeDat(const std::vector<std::string>& lines) {
  std::vector<std::u16string> entries;
  entries.reserve(lines.size());
  for (const std::string& line : lines) entries.push_back(Cp936ToUtf16(TrimView<char>(line)));
  return EncodeDatEntries(entries);
}

}  // namespace tarn
