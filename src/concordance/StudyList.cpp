#include "concordance/StudyList.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "concordance/Sentences.h"
#include "profile/MergedBase.h"
#include "text/AsciiCase.h"
#include "text/CodePage936.h"
#include "text/Lines.h"
#include "text/Trim.h"
#include "text/Utf8.h"
#include "wordtable/Hashtable.h"

namespace tarn {

namespace {

// A listing line taken apart: the word before the first blank and what follows, trimmed.
struct ListedLine {
  std::string_view word;
  std::string_view count;
};

ListedLine TakeApart(std::string_view line) {
  const std::string_view trimmed = TrimView(line);
  size_t end = 0;
  while (end < trimmed.size() && !IsBlank(trimmed[end])) ++end;
  return {trimmed.substr(0, end), TrimView(trimmed.substr(end))};
}

// `text` on one line: TABs and line breaks become spaces, so no field can split a row.
std::string OneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return text;
}

// The sentence as HTML, the found form in bold.
std::string SentenceHtml(const SentenceMatch& match) {
  const std::string_view text = match.text;
  const size_t start = std::min(match.form_start, text.size());
  const size_t end = std::min(start + match.form_length, text.size());
  return OneLine(HtmlEscaped(Cp936ToUtf8(text.substr(0, start))) + "<b>" +
                 HtmlEscaped(Cp936ToUtf8(text.substr(start, end - start))) + "</b>" +
                 HtmlEscaped(Cp936ToUtf8(text.substr(end))));
}

// The forms of `word` that the counting run counted, most frequent first, ties by word.
std::vector<std::string> CountedForms(const THashTable& counted, std::vector<std::string> forms) {
  std::vector<std::pair<int64_t, std::string>> found;
  for (std::string& form : forms) {
    const THashItem* item = counted.Find(Cp936ToUtf16(form));
    if (item != nullptr && item->Count > 0) found.emplace_back(item->Count, std::move(form));
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  });
  std::vector<std::string> sorted;
  sorted.reserve(found.size());
  for (auto& [count, form] : found) sorted.push_back(std::move(form));
  return sorted;
}

std::string JoinedUtf8(const std::vector<std::string>& forms) {
  std::string joined;
  for (const std::string& form : forms) {
    if (!joined.empty()) joined += ", ";
    joined += Cp936ToUtf8(form);
  }
  return joined;
}

// The label of the lowest level holding `word` or `base`.
std::string LevelLabel(const LevelLists& lists, const std::u16string& word,
                       const std::u16string& base) {
  int level = lists.LevelOf(word);
  if (base != word) {
    const int of_base = lists.LevelOf(base);
    if (level < 0 || (of_base >= 0 && of_base < level)) level = of_base;
  }
  return level < 0 ? kBeyondLevels : std::string(lists.Levels()[level].definition->label);
}

}  // namespace

std::string HtmlEscaped(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

StudyList MakeStudyList(std::string_view listing, FormScope scope, const StudySources& sources) {
  const ViewFolding folding(sources.state, sources.lexicon, scope);
  const MergedBase merged_base(sources.lexicon);
  StudyList list;
  // Only the words with counted forms are looked for, so the reading stops once all are found.
  std::vector<std::vector<std::string>> form_sets;
  std::vector<size_t> row_of_set;
  for (const std::string& line : SplitLines(listing)) {
    const ListedLine listed = TakeApart(line);
    if (listed.word.empty()) continue;
    const std::string key = LowerAscii(listed.word);
    const std::u16string word16 = Cp936ToUtf16(key);
    const std::u16string base16 = merged_base.Of(word16);
    StudyRow& row = list.rows.emplace_back();
    row.word = OneLine(Cp936ToUtf8(listed.word));
    row.count = OneLine(Cp936ToUtf8(listed.count));
    row.level = LevelLabel(sources.exam_levels, word16, base16);
    row.gloss = sources.glosses.Of(Utf16ToUtf8(word16));
    if (row.gloss.empty() && base16 != word16) row.gloss = sources.glosses.Of(Utf16ToUtf8(base16));
    row.gloss = OneLine(std::move(row.gloss));
    std::vector<std::string> forms = CountedForms(*sources.state.WordTable, folding.FormsOf(key));
    row.forms = OneLine(JoinedUtf8(forms));
    if (!forms.empty()) {
      form_sets.push_back(std::move(forms));
      row_of_set.push_back(list.rows.size() - 1);
    }
  }
  FirstSentences found = FindFirstSentences(sources.source, form_sets);
  list.reading = found.reading;
  for (size_t set = 0; set < found.sentences.size(); ++set) {
    if (found.sentences[set])
      list.rows[row_of_set[set]].sentence = SentenceHtml(*found.sentences[set]);
  }
  return list;
}

}  // namespace tarn
