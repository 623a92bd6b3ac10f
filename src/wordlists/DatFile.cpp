#include "wordlists/DatFile.h"

#include "text/CodePage936.h"
#include "text/Error.h"
#include "wordlists/DatEncoder.h"
#include "wordlists/FileBytes.h"

namespace tarn {

void ReadDatFile(const std::string& path, const DatEntryConsumer& consume) {
  NamingFile(path, [&] { ParseDat(ReadFileBytes(path), consume); });
}

std::vector<std::string> LoadDatList(const std::string& path) {
  std::vector<std::string> lines;
  ReadDatFile(path, [&lines](std::u16string&& entry) { lines.push_back(Utf16ToCp936(entry)); });
  return lines;
}

void WriteDatFile(const std::string& path, const std::vector<std::string>& lines) {
  WriteFileReplacing(path, EncodeDat(lines));
}

}  // namespace tarn
