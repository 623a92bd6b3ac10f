#include "wordlists/WordTableLoading.h"

#include "text/CodePage936.h"
#include "text/Lines.h"
#include "text/Trim.h"
#include "wordlists/DatFile.h"
#include "wordlists/TextWordList.h"
#include "wordtable/Hashtable.h"

namespace tarn {

namespace {

// The word of a trimmed line: the line itself, or, when the line is a listing line as the text
// view shows a result (word, blanks, TAB, count), the word before the blanks. Any other line
// with blanks inside stays whole.
std::u16string_view ListedWord(std::u16string_view line) {
  const size_t blank = line.find_first_of(u" \t");
  if (blank == std::u16string_view::npos) return line;
  size_t i = line.find_first_not_of(u' ', blank);
  if (i == std::u16string_view::npos || line[i] != u'\t') return line;
  ++i;
  if (i < line.size() && line[i] == u'-') ++i;
  if (i == line.size()) return line;
  for (; i < line.size(); ++i) {
    if (line[i] < u'0' || line[i] > u'9') return line;
  }
  return line.substr(0, blank);
}

}  // namespace

void LoadFromText(THashTable& table, const std::string& path) {
  table.Clear();
  for (const std::string& line : ReadTextLines(path)) {
    const std::string_view word = TrimView<char>(line);
    if (!word.empty()) table.AddItem(Cp936ToUtf16(word), u"", 1, 1, 1);
  }
}

void LoadFilterList(THashTable& table, const std::string& path) {
  table.Clear();
  const std::u16string text = ReadMarkedText(path);
  for (const std::u16string& line : SplitLines(std::u16string_view(text))) {
    const std::u16string_view word = ListedWord(TrimView<char16_t>(line));
    if (!word.empty()) table.AddItem(std::u16string(word), u"", 1, 1, 1);
  }
}

void LoadFromDat(THashTable& table, const std::string& path) {
  table.Clear();
  ReadDatFile(path, [&table](std::u16string&& entry) { table.AddPair(entry, u"1"); });
}

}  // namespace tarn
