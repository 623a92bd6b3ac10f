#include "analysis/TableFolding.h"

#include <vector>

#include "text/CodePage936.h"
#include "text/Trim.h"
#include "wordtable/Hashtable.h"

namespace tarn {

void FoldTable(THashTable& table, const WordReducer& reduce) {
  for (const std::string& key : table.Keys()) {
    const std::string reduced = reduce(key);
    if (reduced == key || IsBlankText(std::string_view(reduced))) continue;
    const std::u16string wide_key = Cp936ToUtf16(key);
    // The key's newest item, read in place; a key that did not survive the code page round
    // trip has none and moves nothing.
    const THashItem* item = *table.FindSlot(wide_key);
    table.AddCount(Cp936ToUtf16(reduced), item != nullptr ? item->Count : 0);
    table.Delete(wide_key);
  }
}

}  // namespace tarn
