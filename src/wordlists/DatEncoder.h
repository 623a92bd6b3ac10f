#pragma once

#include <string>
#include <vector>

namespace tarn {

// The bytes of a .dat word list holding `entries` exactly: the count, the list start, one
// string value per entry (tag 0x06/0x0C for ASCII, 0x14 when UTF-8 is shorter than UTF-16,
// 0x12 otherwise) and the end tag.
std::string EncodeDatEntries(const std::vector<std::u16string>& entries);

// The bytes of a .dat word list of code page 936 `lines`, each trimmed and widened first; blank
// lines become empty entries, so the count always equals the number of lines.
std::string EncodeDat(const std::vector<std::string>& lines);

}  // namespace tarn
