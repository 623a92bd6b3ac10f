#pragma once

#include <string>

namespace tarn {

class THashTable;

// Empties `table`, then adds every non-blank line of the text word list at `path`, trimmed and
// widened from code page 936, with count 1 and marks 1 (duplicates give several items). Throws
// as ReadTextLines does, leaving the table empty.
void LoadFromText(THashTable& table, const std::string& path);

// The same for the filter list, which is read as the dictionary tools read a text list
// (ReadMarkedText: byte-order marks, UTF-8, UTF-16, the two 8-bit encodings) and may be a saved
// result: a line that is a listing line (word, blanks, TAB, count) gives its word. An empty
// file empties the table. Throws as ReadMarkedText does, leaving the table empty.
void LoadFilterList(THashTable& table, const std::string& path);

// Empties `table`, then adds every entry of the .dat word list at `path` as a pair with the
// value "1", untrimmed. Throws as ReadDatFile does; entries read before the error stay.
void LoadFromDat(THashTable& table, const std::string& path);

}  // namespace tarn
