#include "profile/DocumentNames.h"

#include <array>
#include <string_view>

namespace tarn {

namespace {

// Titles written before names; their letters are no vocabulary a learner looks up.
constexpr std::array<std::u16string_view, 18> kTitles = {
    u"mr",  u"mrs", u"ms",  u"messrs", u"dr", u"st",  u"jr",   u"sr",  u"prof",
    u"rev", u"capt", u"col", u"gen",   u"lt", u"sgt", u"esq", u"mme", u"mlle"};

// The value of `letter` as a Roman digit, 0 for any other character.
int RomanDigit(char16_t letter) {
  switch (letter) {
    case u'i': return 1;
    case u'v': return 5;
    case u'x': return 10;
    case u'l': return 50;
    case u'c': return 100;
    case u'd': return 500;
    case u'm': return 1000;
    default: return 0;
  }
}

// Whether `word` is a Roman numeral in its usual form (each digit at most three times in a
// row, only I, X and C before a larger digit, and only before the next two): the written
// form of its value read back must be the word itself.
bool IsRomanNumeral(std::u16string_view word) {
  int value = 0;
  for (size_t i = 0; i < word.size(); ++i) {
    const int digit = RomanDigit(word[i]);
    if (digit == 0) return false;
    const int next = i + 1 < word.size() ? RomanDigit(word[i + 1]) : 0;
    value += next > digit ? -digit : digit;
  }
  if (value <= 0 || value >= 4000) return false;
  static constexpr std::pair<int, std::u16string_view> kParts[] = {
      {1000, u"m"}, {900, u"cm"}, {500, u"d"}, {400, u"cd"}, {100, u"c"}, {90, u"xc"}, {50, u"l"},
      {40, u"xl"},  {10, u"x"},   {9, u"ix"},  {5, u"v"},    {4, u"iv"},  {1, u"i"}};
  std::u16string written;
  for (const auto& [amount, letters] : kParts) {
    for (; value >= amount; value -= amount) written += letters;
  }
  return written == word;
}

}  // namespace

bool IsNonWord(const std::u16string& word) {
  if (word.size() == 1) return true;
  for (const std::u16string_view title : kTitles) {
    if (word == title) return true;
  }
  // "mix" is also an ordinary word.
  return word != u"mix" && IsRomanNumeral(word);
}

NameTest NamesOfDocument(const StatisticsState&) {
  return [](const std::u16string&) { return false; };
}

}  // namespace tarn
