#include "dicttools/LineOrdering.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "dicttools/ToolSteps.h"
#include "text/AsciiCase.h"
#include "text/CodePage936.h"
#include "text/Collation.h"

namespace tarn::dicttools {

namespace {

// Equal keys are exactly the lines the collator calls equal, so hashing keys replaces comparing
// each line with every line kept before it.
std::string KeyOfLine(std::string_view line) { return CollationKey(Cp936ToUtf16(line)); }

// A line's place in the sort: the first bytes of its key as one number, so that most
// comparisons never touch the key itself. Keys hold no zero byte, so two keys of at most eight
// bytes with the same head are equal.
struct SortEntry {
  uint64_t head;
  uint32_t length;
  uint32_t index;

  static SortEntry Of(std::string_view key, size_t index) {
    uint64_t head = 0;
    for (size_t i = 0; i < sizeof head; ++i) {
      head = (head << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0);
    }
    return {head, static_cast<uint32_t>(key.size()), static_cast<uint32_t>(index)};
  }
};

}  // namespace

std::vector<std::string> UniqueLowerLines(const std::vector<std::string>& lines) {
  std::vector<std::string> unique;
  std::unordered_set<std::string> seen;
  seen.reserve(lines.size());
  for (const std::string& line : lines) {
    std::string lowered = LowerAscii(line);
    if (seen.insert(KeyOfLine(lowered)).second) unique.push_back(std::move(lowered));
  }
  return unique;
}

std::vector<std::string> SortedLines(const std::vector<std::string>& lines) {
  std::vector<std::string> keys;
  std::vector<SortEntry> entries;
  keys.reserve(lines.size());
  entries.reserve(lines.size());
  for (const std::string& line : lines) {
    keys.push_back(KeyOfLine(line));
    entries.push_back(SortEntry::Of(keys.back(), entries.size()));
  }
  std::sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
    if (a.head != b.head) return a.head < b.head;
    if (a.length > sizeof a.head || b.length > sizeof b.head) {
      const int order = keys[a.index].compare(keys[b.index]);
      if (order != 0) return order < 0;
    }
    return a.index < b.index;  // equal keys keep their input order
  });
  std::vector<std::string> sorted;
  sorted.reserve(lines.size());
  for (const SortEntry& entry : entries) sorted.push_back(lines[entry.index]);
  return sorted;
}

DictToolResult RemoveDuplicateLines(const DictToolInput& input) {
  return LinesWithCount(UniqueLowerLines(ReadLines(input.text)));
}

DictToolResult SortLines(const DictToolInput& input) {
  return LinesWithCount(SortedLines(ReadLines(input.text)));
}

}  // namespace tarn::dicttools
