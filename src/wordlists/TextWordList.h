#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// The lines of a text word list, as code page 936 bytes: a NUL ends the text, lines break at
// CR LF, CR or LF, and no byte-order mark is recognised. The bytes are 8-bit text, converted
// from Windows-1252 when ReadsAsWindows1252 says so. Throws as ReadFileBytes does.
std::vector<std::string> ReadTextLines(const std::string& path);

// The whole text of `bytes` by its mark: FF FE UTF-16LE, FE FF UTF-16BE, EF BB BF UTF-8 (the
// mark dropped, an odd final UTF-16 byte too). Without a mark, UTF-8 when the bytes are valid
// UTF-8 beyond ASCII, otherwise Windows-1252 or code page 936 as ReadsAsWindows1252 decides.
// Line breaks stay as they are.
std::u16string DecodeMarkedText(std::string_view bytes);

// DecodeMarkedText of the file at `path`. Throws as ReadFileBytes does.
std::u16string ReadMarkedText(const std::string& path);

// Replaces the file at `path` with `lines`, each followed by CR LF, through a temporary file.
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace tarn
