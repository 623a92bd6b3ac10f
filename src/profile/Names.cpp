#include "profile/Names.h"

#include <algorithm>
#include <array>
#include <memory>

#include "analysis/NameEvidence.h"
#include "analysis/StatisticsState.h"
#include "profile/WordHash.h"
#include "wordtable/Hashtable.h"

namespace tarn {

namespace {

// A word is a name when at least nine in ten of its eligible occurrences are capitalised: nearly
// all, so that a name also used as a word now and then (Frank, 13 capitals in 14) stays one.
constexpr int64_t kCapitalisedTenths = 9;

// Titles written in full and forms of address: ordinary words that English writes with a
// capital before a name or alone ("Miss Bennet", "my Lord", "Good God"). A learner needs them,
// so they are never taken for names. Jack joins them for the set phrases that capitalise it
// (Union Jack, Jack-in-office).
constexpr std::array<std::u16string_view, 34> kTitleWords = {
    u"god",       u"lord",      u"lady",     u"sir",        u"madam",    u"miss",     u"master",
    u"mister",    u"king",      u"queen",    u"prince",     u"princess", u"duke",     u"duchess",
    u"earl",      u"majesty",   u"highness", u"excellency", u"lordship", u"ladyship", u"captain",
    u"colonel",   u"major",     u"general",  u"lieutenant", u"sergeant", u"admiral",  u"doctor",
    u"professor", u"inspector", u"father",   u"mother",     u"uncle",    u"jack"};

// Abbreviated titles that stand after a name ("John Smith, Jr.").
constexpr std::array<std::u16string_view, 3> kTitlesAfterNames = {u"jr", u"sr", u"esq"};

bool Contains(const auto& list, std::u16string_view word) {
  return std::find(list.begin(), list.end(), word) != list.end();
}

// Whether `word` is the standard Roman form of a number from 1 to 3999: thousands, hundreds,
// tens and ones, each the longest form of its place that the word starts with.
bool IsRomanNumeral(std::u16string_view word) {
  static constexpr std::array<std::array<std::u16string_view, 9>, 4> kPlaces = {{
      {u"m", u"mm", u"mmm"},
      {u"c", u"cc", u"ccc", u"cd", u"d", u"dc", u"dcc", u"dccc", u"cm"},
      {u"x", u"xx", u"xxx", u"xl", u"l", u"lx", u"lxx", u"lxxx", u"xc"},
      {u"i", u"ii", u"iii", u"iv", u"v", u"vi", u"vii", u"viii", u"ix"},
  }};
  // Most words hold a letter that no numeral has, and are turned away without the places.
  if (word.empty() || word.find_first_not_of(u"mdclxvi") != std::u16string_view::npos) {
    return false;
  }
  std::u16string_view rest = word;
  for (const auto& place : kPlaces) {
    size_t longest = 0;
    for (std::u16string_view form : place) {
      if (!form.empty() && form.size() > longest && rest.starts_with(form)) longest = form.size();
    }
    rest.remove_prefix(longest);
  }
  return rest.empty();
}

// The word as ASCII, or empty when it holds anything else.
std::string Narrow(std::u16string_view word) {
  std::string narrow;
  for (char16_t unit : word) {
    if (unit == 0 || unit > 0x7F) return {};
    narrow += static_cast<char>(unit);
  }
  return narrow;
}

}  // namespace

bool IsNonWord(std::u16string_view word) {
  if (word.size() == 1) return true;
  if (IsRomanNumeral(word)) return word != u"mi" && word != u"mix";
  // Titles are short: a longer word is never narrowed.
  return (word.size() <= kLongestTitleBeforeName && IsTitleBeforeName(Narrow(word))) ||
         Contains(kTitlesAfterNames, word);
}

bool IsName(std::u16string_view word, const WordTally& evidence) {
  return evidence.count >= 2 && evidence.eligible >= 1 &&
         evidence.capitalised * 10 >= evidence.eligible * kCapitalisedTenths && !IsNonWord(word) &&
         !Contains(kTitleWords, word);
}

NameTest NamesOfDocument(const StatisticsState& state) {
  // The evidence is read once, in the order it was gathered, into the few names it shows; a
  // lookup then touches a small table instead of the evidence of every word.
  auto names = std::make_shared<WordMap<bool>>();
  state.name_evidence.ForEachCapitalised([&names](std::string_view word, const WordTally& tally) {
    if (tally.count < 2) return;
    const std::u16string wide(word.begin(), word.end());
    if (IsName(wide, tally)) names->Add(wide, true);
  });
  return [names](const std::u16string& word) { return names->Find(word) != nullptr; };
}

std::vector<NameCount> DetectedNames(const StatisticsState& state) {
  // A name has capitals, so the few capitalised words are tested, not every word looked up.
  const NameTest is_name = NamesOfDocument(state);
  std::vector<NameCount> names;
  state.WordTable->ForEach([&](const THashItem& item) {
    if (is_name(item.Key)) names.push_back({item.Key, item.Count});
  });
  std::sort(names.begin(), names.end(), [](const NameCount& a, const NameCount& b) {
    return a.count != b.count ? a.count > b.count : a.word < b.word;
  });
  return names;
}

}  // namespace tarn
