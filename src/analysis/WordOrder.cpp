#include "analysis/WordOrder.h"

#include <algorithm>
#include <cstdint>

#include "text/CodePage936.h"
#include "text/Collation.h"

namespace tarn {

namespace {

// A line's place in the sort. Most comparisons are settled by the first eight bytes of the
// collation key held inline; only equal heads look at the whole key.
struct Ranked {
  uint64_t head;
  uint32_t line;
};

uint64_t HeadOf(const std::string& key) {
  uint64_t head = 0;
  for (size_t i = 0; i < 8; ++i) {
    head = head << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
  }
  return head;
}

// The positions of `lines` in ascending collation order, equal lines in input order.
template <typename Line>
std::vector<uint32_t> WordOrderOf(const std::vector<Line>& lines) {
  std::vector<std::string> keys;
  std::vector<Ranked> ranked;
  keys.reserve(lines.size());
  ranked.reserve(lines.size());
  for (const Line& line : lines) {
    keys.push_back(CollationKey(line));
    ranked.push_back({HeadOf(keys.back()), static_cast<uint32_t>(ranked.size())});
  }
  std::sort(ranked.begin(), ranked.end(), [&keys](const Ranked& a, const Ranked& b) {
    if (a.head != b.head) return a.head < b.head;
    const int c = keys[a.line].compare(keys[b.line]);
    return c != 0 ? c < 0 : a.line < b.line;
  });
  std::vector<uint32_t> order;
  order.reserve(ranked.size());
  for (const Ranked& r : ranked) order.push_back(r.line);
  return order;
}

// The lines of `text` (ended by CR, LF or CR LF) as views into it.
std::vector<std::u16string_view> LineViews(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t stop = text.find_first_of(u"\r\n", start);
    if (stop == std::u16string_view::npos) stop = text.size();
    lines.push_back(text.substr(start, stop - start));
    start = stop + (text.compare(stop, 2, u"\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

}  // namespace

std::vector<std::u16string> LinesInWordOrder(std::vector<std::u16string> lines, bool descending) {
  std::vector<uint32_t> order = WordOrderOf(lines);
  if (descending) std::reverse(order.begin(), order.end());
  std::vector<std::u16string> sorted;
  sorted.reserve(lines.size());
  for (const uint32_t i : order) sorted.push_back(std::move(lines[i]));
  return sorted;
}

std::string ListingInWordOrder(std::u16string_view listing, bool descending) {
  // As when a text is split into lines, a NUL ends it.
  const std::vector<std::u16string_view> lines =
      LineViews(listing.substr(0, std::min(listing.find(u'\0'), listing.size())));
  std::vector<uint32_t> order = WordOrderOf(lines);
  if (descending) std::reverse(order.begin(), order.end());
  std::u16string sorted;
  sorted.reserve(listing.size() + lines.size());
  for (const uint32_t i : order) {
    sorted += lines[i];
    sorted += u"\r\n";
  }
  return Utf16ToCp936(sorted);
}

}  // namespace tarn
