#include "dicttools/WordSplit.h"

#include "dicttools/ToolSteps.h"

namespace tarn::dicttools {

namespace {

constexpr char16_t kMarker = u'\0';

bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool IsWordCharacter(char16_t c) { return IsAsciiLetter(c) || (c >= u'0' && c <= u'9'); }

// Marks what an apostrophe at `i` drops: the marker on a unit that the scan has not reached
// yet turns into a space there, while the one before the apostrophe stays and is skipped.
void MarkApostrophe(std::u16string& marked, size_t i) {
  const size_t n = marked.size();
  switch (marked[i + 1]) {
    case u's':
      marked[i] = marked[i + 1] = kMarker;
      break;
    case u't':
      marked[i - 1] = marked[i] = marked[i + 1] = kMarker;
      break;
    case u'l':
      marked[i] = marked[i + 1] = kMarker;
      if (i + 2 < n) marked[i + 2] = kMarker;
      break;
    default:
      break;
  }
}

}  // namespace

std::vector<std::string> SplitIntoWordList(std::u16string_view text) {
  std::u16string marked(text);
  const size_t n = marked.size();
  for (size_t i = 0; i < n; ++i) {
    // The apostrophe rules only cut contractions and possessives, so an opening quote mark
    // ('Sorry') is a separator like any other.
    if (marked[i] == u'\'' && i + 1 < n && i > 0 && IsWordCharacter(text[i - 1])) {
      MarkApostrophe(marked, i);
    }
    if (!IsAsciiLetter(marked[i]) && marked[i] != u'-') marked[i] = u' ';
  }
  std::vector<std::string> words;
  std::string word;
  for (char16_t c : marked) {
    if (c == kMarker) continue;
    if (c == u' ') {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += static_cast<char>(c);  // only ASCII letters and hyphens are left
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

DictToolResult SplitIntoWords(const DictToolInput& input) {
  return LinesOnly(SplitIntoWordList(input.text));
}

}  // namespace tarn::dicttools
