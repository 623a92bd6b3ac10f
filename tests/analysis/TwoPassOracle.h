#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/NameEvidence.h"
#include "text/AsciiCase.h"
#include "text/CodePage936.h"
#include "text/Lines.h"

namespace tarn::testing {

// One running word of a document and what it says about names.
struct Occurrence {
  std::u16string word;
  bool eligible;     // in lower case, or with a capital that is evidence
  bool capitalised;  // eligible, and its first letter is a capital
};

// The counting definition applied literally to a whole document: the intake's lines joined with
// CR LF, lower-cased and widened, then pass 1 (apostrophe rules, separators) and pass 2 (words)
// over the UTF-16 text. Returns the running words in order, each with how it stands in the text
// as written, or nothing when the document gives no line. The fast counter must agree with it on
// every input.
inline std::optional<std::vector<Occurrence>> TwoPassOccurrences(std::string_view document,
                                                                 bool l_rule) {
  const std::vector<std::string> lines = SplitLines(document);
  if (lines.empty()) return std::nullopt;
  const std::string joined = JoinLines(lines);
  const std::u16string written = Cp936ToUtf16(joined);
  std::u16string w = Cp936ToUtf16(LowerAscii(joined));
  const std::u16string original = w;
  const size_t n = w.size();
  const auto is_letter = [](char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
  };
  for (size_t i = 0; i < n; ++i) {
    // A rule needs a letter or digit just before the apostrophe, so opening quotes stay quotes.
    const bool word_inside = i > 0 && ((original[i - 1] >= u'a' && original[i - 1] <= u'z') ||
                                       (original[i - 1] >= u'0' && original[i - 1] <= u'9'));
    if (w[i] == u'\'' && word_inside && i + 1 < n) {
      if (w[i + 1] == u's') {
        w[i] = w[i + 1] = 0;
      } else if (w[i + 1] == u't') {
        w[i] = w[i + 1] = 0;
        w[i - 1] = 0;
      } else if (w[i + 1] == u'l' && l_rule) {
        w[i] = w[i + 1] = 0;
        if (i + 2 < n) w[i + 2] = 0;
      }
    }
    if (!is_letter(w[i])) w[i] = u' ';
  }
  // The words, each with the places of the units it kept.
  struct Cut {
    std::u16string word;
    std::vector<size_t> at;
  };
  std::vector<Cut> cuts;
  Cut cut;
  for (size_t i = 0; i < n; ++i) {
    const char16_t c = w[i];
    if (c > u' ') {
      cut.word += c;
      cut.at.push_back(i);
    } else if (c == u' ' && !cut.word.empty()) {
      cuts.push_back(cut);
      cut = Cut();
    }
  }
  // A capital is evidence straight after a letter and a space, or after a title's full stop
  // and a space, unless the word is written in capitals; a word in lower case always is.
  const auto is_capital = [](char16_t c) { return c >= u'A' && c <= u'Z'; };
  std::vector<Occurrence> occurrences;
  for (size_t k = 0; k < cuts.size(); ++k) {
    const Cut& word = cuts[k];
    const size_t s = word.at[0];
    bool shown = false;
    if (s >= 2 && written[s - 1] == u' ') {
      const bool after_title = written[s - 2] == u'.' && k > 0 &&
                               cuts[k - 1].at.back() + 1 == s - 2 &&
                               IsTitleBeforeName(Utf16ToCp936(cuts[k - 1].word));
      shown = is_letter(written[s - 2]) || after_title;
    }
    const bool first_capital = is_capital(written[s]);
    const bool in_capitals = word.at.size() >= 2 && is_capital(written[word.at[1]]);
    const bool hidden = first_capital && (!shown || in_capitals);
    occurrences.push_back({word.word, !hidden, first_capital && !hidden});
  }
  return occurrences;
}

// The running words of TwoPassOccurrences alone, in order.
inline std::optional<std::vector<std::u16string>> TwoPassWords(std::string_view document,
                                                               bool l_rule) {
  const std::optional<std::vector<Occurrence>> occurrences = TwoPassOccurrences(document, l_rule);
  if (!occurrences) return std::nullopt;
  std::vector<std::u16string> words;
  words.reserve(occurrences->size());
  for (const Occurrence& occurrence : *occurrences) words.push_back(occurrence.word);
  return words;
}

}  // namespace tarn::testing
