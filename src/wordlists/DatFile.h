#pragma once

#include <string>
#include <vector>

#include "wordlists/DatParser.h"

namespace tarn {

// Reads the .dat word list at `path` (a name in bytes, used as given), handing each entry to
// `consume` in file order. Throws "Cannot open file ...", or as ParseDat does.
void ReadDatFile(const std::string& path, const DatEntryConsumer& consume);

// The entries of the .dat word list at `path`, converted to code page 936 ("?" for characters
// it lacks). Throws as ReadDatFile does; no list is returned then.
std::vector<std::string> LoadDatList(const std::string& path);

// Replaces the file at `path` with the .dat form of code page 936 `lines` (see EncodeDat),
// through a temporary file. Throws "Cannot create file ..." or "Stream write error".
void WriteDatFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace tarn
