#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/AsciiCase.h"
#include "text/CodePage936.h"
#include "text/Lines.h"

namespace tarn::testing {

// The counting definition applied literally to a whole document: the intake's lines joined with
// CR LF, lower-cased and widened, then pass 1 (apostrophe rules, separators) and pass 2 (words)
// over the UTF-16 text. Returns the running words in order, or nothing when the document gives
// no line. The fast counter must agree with it on every input.
inline std::optional<std::vector<std::u16string>> TwoPassWords(std::string_view document,
                                                               bool l_rule) {
  const std::vector<std::string> lines = SplitLines(document);
  if (lines.empty()) return std::nullopt;
  std::u16string w = Cp936ToUtf16(LowerAscii(JoinLines(lines)));
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
  std::vector<std::u16string> words;
  std::u16string word;
  for (char16_t c : w) {
    if (c > u' ') {
      word += c;
    } else if (c == u' ' && !word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  return words;
}

}  // namespace tarn::testing
