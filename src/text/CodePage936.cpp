#include "text/CodePage936.h"

#include <memory>

#include "text/Error.h"
#include "text/IcuConverter.h"

namespace tarn {
namespace detail {

UConverter* Cp936Converter() {
  struct Closer {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
  };
  thread_local std::unique_ptr<UConverter, Closer> converter = [] {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* opened = ucnv_open("windows-936", &status);
    if (U_FAILURE(status)) throw Error("The code page 936 converter is not available");
    ucnv_setSubstChars(opened, "?", 1, &status);
    return std::unique_ptr<UConverter, Closer>(opened);
  }();
  return converter.get();
}

}  // namespace detail

namespace {

bool IsAscii(std::string_view text) {
  for (unsigned char c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

}  // namespace

bool IsAscii(std::u16string_view text) {
  for (char16_t c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

std::u16string Cp936ToUtf16(std::string_view text) {
  if (IsAscii(text)) return std::u16string(text.begin(), text.end());
  UConverter* converter = detail::Cp936Converter();
  ucnv_resetToUnicode(converter);
  std::u16string wide(text.size(), u'\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = ucnv_toUChars(converter, wide.data(), static_cast<int32_t>(wide.size()),
                                       text.data(), static_cast<int32_t>(text.size()), &status);
  if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING) {
    throw Error("Code page 936 conversion failed");
  }
  wide.resize(length);
  return wide;
}

void Cp936ToUtf16(std::string_view text, std::u16string& wide) {
  if (IsAscii(text)) {
    // Unit by unit: assigning the range would build a temporary string first.
    wide.resize(text.size());
    for (size_t i = 0; i < text.size(); ++i) wide[i] = static_cast<unsigned char>(text[i]);
  } else {
    wide = Cp936ToUtf16(text);
  }
}

std::string Utf16ToCp936(std::u16string_view text) {
  if (IsAscii(text)) return std::string(text.begin(), text.end());
  UConverter* converter = detail::Cp936Converter();
  ucnv_resetFromUnicode(converter);
  std::string narrow(text.size() * 2, '\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length =
      ucnv_fromUChars(converter, narrow.data(), static_cast<int32_t>(narrow.size()), text.data(),
                      static_cast<int32_t>(text.size()), &status);
  if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING) {
    throw Error("Code page 936 conversion failed");
  }
  narrow.resize(length);
  return narrow;
}

}  // namespace tarn
