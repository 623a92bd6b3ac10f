#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tarn {

// Receives the entries of a .dat word list one at a time, in file order.
using DatEntryConsumer = std::function<void(std::u16string&& entry)>;

// Parses the bytes of a .dat word list, handing each entry to `consume` as soon as it is read.
// Throws "Invalid property value" for a wrong tag or structure and "Stream read error" when the
// bytes end early or a length is negative or reaches past the end. Bytes after the end tag are
// ignored. Entries handed over before an error stay handed over.
void ParseDat(std::string_view bytes, const DatEntryConsumer& consume);

// Decodes a tag-0x14 payload: UTF-8 sequences of one to three bytes, each giving one UTF-16
// unit (surrogates included, as the writer encodes units one by one); anything else, empty.
std::u16string DecodeDatUtf8(std::string_view bytes);

}  // namespace tarn
