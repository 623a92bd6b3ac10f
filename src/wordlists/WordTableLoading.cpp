#include "wordlists/WordTableLoading.h"

#include "text/CodePage936.h"
#include "text/Trim.h"
#include "wordlists/DatFile.h"
#include "wordlists/TextWordList.h"
#include "wordtable/Hashtable.h"

namespace tarn {

void LoadFromText(THashTable& table, const std::string& path) {
  table.Clear();
  for (const std::string& line : ReadTextLines(path)) {
    const std::string_view word = TrimView<char>(line);
    if (!word.empty()) table.AddItem(Cp936ToUtf16(word), u"", 1, 1, 1);
  }
}

void LoadFromDat(THashTable& table, const std::string& path) {
  table.Clear();
  ReadDatFile(path, [&table](std::u16string&& entry) { table.AddPair(entry, u"1"); });
}

}  // namespace tarn
