#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// The encoding an HTML document declares, as an ICU converter name.
struct DeclaredEncoding {
  std::string converter;
  size_t mark_bytes = 0;  // the byte-order mark to drop, if the encoding came from one
};

// How many bytes of a document the declaration is looked for in.
inline constexpr size_t kHtmlDeclarationBytes = size_t{8} << 10;

// The encoding the first bytes of an HTML document declare: a UTF-8 or UTF-16 byte-order mark,
// else the first <meta charset> or <meta http-equiv="Content-Type" content="...; charset=...">
// outside comments. None when they declare nothing this program can decode.
std::optional<DeclaredEncoding> DeclaredHtmlEncoding(std::string_view head);

// The ICU converter for an encoding label as browsers read it (gb2312 is GBK, Latin-1 is
// Windows-1252, a <meta> cannot declare UTF-16); empty when ICU has no converter for it.
std::string ConverterForLabel(std::string_view label);

}  // namespace tarn
