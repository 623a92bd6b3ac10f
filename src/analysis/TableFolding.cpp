#include "analysis/TableFolding.h"

#include <vector>

#include "text/CodePage936.h"
#include "text/Trim.h"
#include "wordtable/Hashtable.h"

namespace tarn {

void FoldTable(THashTable& table, const WordReducer& reduce) {
  std::u16string wide_key;
  std::u16string wide_reduced;
  for (const std::string& key : table.Keys()) {
    const std::string reduced = reduce(key);
    if (reduced == key || IsBlankText(std::string_view(reduced))) continue;
    // The key's newest item moves; a key that did not survive the code page round trip has
    // none and moves nothing.
    Cp936ToUtf16(key, wide_key);
    Cp936ToUtf16(reduced, wide_reduced);
    table.MoveCount(wide_key, wide_reduced);
  }
}

}  // namespace tarn
