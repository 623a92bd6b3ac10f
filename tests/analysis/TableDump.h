#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "text/CodePage936.h"
#include "wordtable/Hashtable.h"

namespace tarn::testing {

// Every item of `table` in traversal order, key narrowed to code page 936 for readable failures.
inline std::vector<std::pair<std::string, int64_t>> TableDump(const THashTable& table) {
  std::vector<std::pair<std::string, int64_t>> items;
  table.ForEach(
      [&](const THashItem& item) { items.emplace_back(Utf16ToCp936(item.Key), item.Count); });
  return items;
}

}  // namespace tarn::testing
