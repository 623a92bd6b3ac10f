#include "analysis/WordOrder.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "text/CodePage936.h"
#include "text/Collation.h"
#include "text/Lines.h"

namespace tarn {

std::vector<std::u16string> LinesInWordOrder(std::vector<std::u16string> lines, bool descending) {
  // One collation key per line: comparing keys bytewise is the collator's own comparison,
  // without running the collator N log N times.
  std::vector<std::string> keys;
  keys.reserve(lines.size());
  for (const std::u16string& line : lines) keys.push_back(CollationKey(line));
  std::vector<uint32_t> order(lines.size());
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(), [&keys](uint32_t a, uint32_t b) {
    const int c = keys[a].compare(keys[b]);
    return c != 0 ? c < 0 : a < b;
  });
  if (descending) std::reverse(order.begin(), order.end());
  std::vector<std::u16string> sorted;
  sorted.reserve(lines.size());
  for (const uint32_t i : order) sorted.push_back(std::move(lines[i]));
  return sorted;
}

std::string ListingInWordOrder(std::u16string_view listing, bool descending) {
  return Utf16ToCp936(JoinLines(LinesInWordOrder(SplitLines(listing), descending)));
}

}  // namespace tarn
