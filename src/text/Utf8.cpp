#include "text/Utf8.h"

#include <unicode/ustring.h>
#include <unicode/utf8.h>

#include "text/CodePage936.h"
#include "text/Error.h"

namespace tarn {

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string wide(text.size(), u'\0');
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(wide.data(), static_cast<int32_t>(wide.size()), &length, text.data(),
                       static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
  if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING) {
    throw Error("UTF-8 conversion failed");
  }
  wide.resize(length);
  return wide;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string narrow(text.size() * 3, '\0');
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strToUTF8WithSub(narrow.data(), static_cast<int32_t>(narrow.size()), &length, text.data(),
                     static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
  if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING) {
    throw Error("UTF-8 conversion failed");
  }
  narrow.resize(length);
  return narrow;
}

bool IsValidUtf8(std::string_view text) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  const int32_t length = static_cast<int32_t>(text.size());
  int32_t i = 0;
  while (i < length) {
    if (bytes[i] < 0x80) {
      ++i;
      continue;
    }
    UChar32 c;
    U8_NEXT(bytes, i, length, c);
    if (c < 0) return false;
  }
  return true;
}

std::string Utf8ToCp936(std::string_view text) { return Utf16ToCp936(Utf8ToUtf16(text)); }

std::string Cp936ToUtf8(std::string_view text) { return Utf16ToUtf8(Cp936ToUtf16(text)); }

}  // namespace tarn
