#pragma once

#include <string>

namespace tarn {

class THashTable;

// Empties `table`, then adds every non-blank line of the text word list at `path`, trimmed and
// widened from code page 936, with count 1 and marks 1 (duplicates give several items). Throws
// as ReadTextLines does, leaving the table empty.
void LoadFromText(THashTable& table, const std::string& path);

// Empties `table`, then adds every entry of the .dat word list at `path` as a pair with the
// value "1", untrimmed. Throws as ReadDatFile does; entries read before the error stay.
void LoadFromDat(THashTable& table, const std::string& path);

}  // namespace tarn
