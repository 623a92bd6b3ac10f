#include "text/Windows1252.h"

#include <algorithm>
#include <array>

#include "text/AsciiRun.h"
#include "text/CodePage936.h"

namespace tarn {

namespace {

// 0x80 to 0x9F; the undefined bytes keep their own value.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The code page 936 bytes of 0x80 to 0xFF, one or two per byte.
struct Cp936Form {
  char bytes[2];
  unsigned char length;
};

const std::array<Cp936Form, 128>& Cp936Forms() {
  static const std::array<Cp936Form, 128> forms = [] {
    std::array<Cp936Form, 128> made{};
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
      const char16_t c = Windows1252Char(static_cast<unsigned char>(byte));
      const std::string narrow = Utf16ToCp936(std::u16string_view(&c, 1));
      Cp936Form& form = made[byte - 0x80];
      if (narrow.empty() || narrow.size() > 2) {
        form = {{'?', '\0'}, 1};
        continue;
      }
      form.length = static_cast<unsigned char>(narrow.size());
      std::copy(narrow.begin(), narrow.end(), form.bytes);
    }
    return made;
  }();
  return forms;
}

}  // namespace

char16_t Windows1252Char(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char16_t{byte};
}

std::u16string Windows1252ToUtf16(std::string_view text) {
  std::u16string wide(text.size(), u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    wide[i] = Windows1252Char(static_cast<unsigned char>(text[i]));
  }
  return wide;
}

char* PutWindows1252AsCp936(unsigned char byte, char* out) {
  const Cp936Form& form = Cp936Forms()[byte - 0x80];
  out[0] = form.bytes[0];
  out[1] = form.bytes[1];
  return out + form.length;
}

std::string Windows1252ToCp936(std::string_view text) {
  std::string out(text.size() * 2, '\0');
  char* o = out.data();
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      *o++ = c;
    } else {
      o = PutWindows1252AsCp936(byte, o);
    }
  }
  out.resize(static_cast<size_t>(o - out.data()));
  return out;
}

bool ReadsAsWindows1252(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const size_t end = std::min(text.find('\0'), text.size());
  // No NUL comes before `end`: runs of ASCII are skipped at memory speed.
  size_t i = FindNulOrBeyondAscii(p, end);
  const size_t stop = std::min(end, i + kEightBitSampleSize);
  // A lead byte last in a full sample may have its partner just past it; last in the text it
  // stands alone.
  const size_t pairs_end = stop - i == kEightBitSampleSize ? stop - 1 : stop;
  // Chinese text keeps its characters as pairs of bytes both beyond 0xA0, where GB2312, and so
  // nearly all of modern Chinese, lies. A Western text has single letters and punctuation between
  // ASCII, which as code page 936 pair with an ASCII or a C1 byte, or with nothing at all; a byte
  // that pairs with nothing never occurs in code page 936, so it weighs double.
  size_t chinese = 0;
  size_t western = 0;
  while (i < pairs_end) {
    const unsigned char byte = p[i];
    if (byte < 0x80) {
      i += FindNulOrBeyondAscii(p + i, pairs_end - i);
      continue;
    }
    if (i + 1 == stop || !IsCp936Pair(byte, p[i + 1])) {
      western += 2;
      ++i;
    } else {
      ++(byte >= 0xA1 && p[i + 1] >= 0xA1 ? chinese : western);
      i += 2;
    }
  }
  return western > chinese;
}

}  // namespace tarn
