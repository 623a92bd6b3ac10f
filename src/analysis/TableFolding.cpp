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
    THashItem item;
    table.GetItem(wide_key, item);
    table.AddCount(Cp936ToUtf16(reduced), item.Count);
    table.Delete(wide_key);
  }
}

}  // namespace tarn
