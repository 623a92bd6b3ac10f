#include "morphology/pstemming.h"

#include <utility>

#include "text/CodePage936.h"
#include "text/Trim.h"

namespace tarn {
namespace {

constexpr char kNul = '\0';
constexpr char kBlank = ' ';

// Whether `text` (code page 936) is a key of `table`. ASCII text, all that documents hold, is
// widened on the stack so that a lookup allocates nothing.
bool Listed(std::string_view text, const THashTable& table) {
  constexpr size_t kStackUnits = 64;
  if (text.size() <= kStackUnits) {
    char16_t units[kStackUnits];
    bool ascii = true;
    for (size_t i = 0; i < text.size() && ascii; ++i) {
      const auto byte = static_cast<unsigned char>(text[i]);
      ascii = byte < 0x80;
      units[i] = byte;
    }
    if (ascii) return table.Contains(std::u16string_view(units, text.size()));
  }
  return table.Contains(Cp936ToUtf16(text));
}

// The word under reduction: a copy of the same length whose characters the rules overwrite.
// L(1) is the last character; a position before the first one reads as NUL and is never
// written.
class WorkText {
 public:
  explicit WorkText(std::string_view word) : text_(word) {}

  char L(size_t k) const { return k <= text_.size() ? text_[text_.size() - k] : kNul; }
  void Set(size_t k, char c) {
    if (k <= text_.size()) text_[text_.size() - k] = c;
  }
  // Blanks L1 to L`last`.
  void BlankTo(size_t last) {
    for (size_t k = 1; k <= last; ++k) Set(k, kBlank);
  }
  // Whether the candidate (the trimmed work text) is listed in `table`.
  bool CandidateIn(const THashTable& table) const {
    return Listed(TrimView(std::string_view(text_)), table);
  }
  // The candidate, taking over the work text's storage.
  std::string TakeCandidate() && {
    const std::string_view trimmed = TrimView(std::string_view(text_));
    const size_t first = static_cast<size_t>(trimmed.data() - text_.data());
    text_.resize(first + trimmed.size());
    text_.erase(0, first);
    return std::move(text_);
  }

 private:
  std::string text_;
};

// L1 becomes a blank and L`k` becomes e; unless the candidate is then an e-ending base form,
// L`k` becomes a blank as well. Ends every group that restores a final e.
void KeepEIfListed(WorkText& w, size_t k, const THashTable& e_end_words) {
  w.Set(1, kBlank);
  w.Set(k, 'e');
  if (!w.CandidateIn(e_end_words)) w.Set(k, kBlank);
}

// Past forms in -ed.
void StemD(WorkText& w, const ReducerTables& t) {
  if (w.L(2) != 'e') return;
  if (!IsVowel(w.L(4)) && w.L(3) == 'i') {  // studied
    w.BlankTo(2);
    w.Set(3, 'y');
  }
  if (w.L(4) == 'r' && w.L(3) == 'r') w.BlankTo(3);  // preferred
  if (w.L(4) == w.L(3)) {                            // stopped, called
    w.BlankTo(2);
    if (!w.CandidateIn(t.DoubleConsonantWords)) w.Set(3, kBlank);
  }
  KeepEIfListed(w, 2, t.EEndWords);  // hoped, walked
}

// The -ing form.
void StemG(WorkText& w, std::string_view word, const ReducerTables& t) {
  if (TrimView(word).size() == 4) return;                    // sing, king
  if (w.L(4) == w.L(5) && w.L(3) == 'i' && w.L(2) == 'n') {  // running, calling
    w.BlankTo(3);
    if (!w.CandidateIn(t.DoubleConsonantWords)) w.Set(4, kBlank);
  }
  if (w.L(3) == 'i' && w.L(2) == 'n') {  // making, walking
    w.Set(2, kBlank);
    KeepEIfListed(w, 3, t.EEndWords);
  }
}

// Comparatives in -er.
void StemR(WorkText& w, const ReducerTables& t) {
  if (!IsVowel(w.L(4)) && w.L(3) == 'i' && w.L(2) == 'e') {  // happier
    w.BlankTo(2);
    w.Set(3, 'y');
  }
  if (w.L(3) == w.L(4) && !IsVowel(w.L(3)) && w.L(2) == 'e') {  // bigger, smaller
    w.BlankTo(2);
    if (!w.CandidateIn(t.DoubleConsonantWords)) w.Set(3, kBlank);
  }
  if (w.L(3) == 'y') return;                            // player, buyer
  if (w.L(2) == 'e') KeepEIfListed(w, 2, t.EEndWords);  // writer, teacher
}

// Plurals and third persons in -s.
void StemS(WorkText& w, std::string_view word, const ReducerTables& t) {
  w.Set(1, kBlank);
  if (!IsVowel(w.L(4)) && w.L(3) == 'i' && w.L(2) == 'e') {  // studies
    w.Set(3, 'y');
    w.Set(2, kBlank);
  }
  if (w.L(3) == 'v' && w.L(2) == 'e' && word.size() >= 4 &&
      !w.CandidateIn(t.EEndWords)) {  // knives, wolves; lives when live is listed
    w.Set(3, 'f');
    if (w.L(4) != 'i') w.Set(2, kBlank);
  }
  if (IsEsLetter(w.L(3)) && w.L(2) == 'e' && !w.CandidateIn(t.EEndWords)) {  // boxes, goes
    w.Set(2, kBlank);
  }
  if (w.L(2) == 's') w.Set(1, 's');  // class, boss
}

// Superlatives in -est.
void StemT(WorkText& w, const ReducerTables& t) {
  if (!IsVowel(w.L(5)) && w.L(4) == 'i' && w.L(3) == 'e' && w.L(2) == 's') {  // happiest
    w.BlankTo(3);
    w.Set(4, 'y');
  }
  // biggest; smallest gives smal, the doubled letter is never kept here.
  if (w.L(4) == w.L(5) && !IsVowel(w.L(4)) && w.L(3) == 'e' && w.L(2) == 's') w.BlankTo(4);
  if (w.L(4) == 'e' && w.L(3) == 'e' && w.L(2) == 's') w.BlankTo(2);  // freest
  if (w.L(3) == 'e' && w.L(2) == 's') {                               // largest, greatest
    w.Set(2, kBlank);
    KeepEIfListed(w, 3, t.EEndWords);
  }
}

// Adjectives in -ful.
void RootL(WorkText& w) {
  if (w.L(4) == 'i' && w.L(3) == 'f' && w.L(2) == 'u') {  // beautiful
    w.BlankTo(3);
    w.Set(4, 'y');
  }
  if (w.L(3) == 'f' && w.L(2) == 'u') w.BlankTo(3);  // careful
}

// Nouns in -ness.
void RootS(WorkText& w) {
  if (w.L(5) == 'i' && w.L(4) == 'n' && w.L(3) == 'e' && w.L(2) == 's') {  // happiness
    w.BlankTo(4);
    w.Set(5, 'y');
  }
  if (w.L(4) == 'n' && w.L(3) == 'e' && w.L(2) == 's') w.BlankTo(4);  // kindness
}

// Adverbs in -ly.
void RootY(WorkText& w, const ReducerTables& t) {
  if (w.L(3) == 'i' && w.L(2) == 'l') {  // happily
    w.BlankTo(2);
    w.Set(3, 'y');
  }
  if (w.L(2) == 'l') {  // simply gives simple when listed; quickly gives quick
    w.Set(1, 'e');
    if (!w.CandidateIn(t.EEndWords)) w.BlankTo(2);
  }
}

// The frame both reducers share: words under 3 characters and recalled words come back as
// they are; otherwise `apply_rules` works on a copy, whose trimmed text is the result.
template <typename Rules>
std::string Reduce(std::string_view word, const THashTable& recall_words, Rules&& apply_rules) {
  if (word.size() < 3 || Listed(TrimView(word), recall_words)) return std::string(word);
  WorkText w(word);
  apply_rules(w);
  return std::move(w).TakeCandidate();
}

}  // namespace

bool IsVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

bool IsEsLetter(char c) { return c == 'h' || c == 'o' || c == 's' || c == 'x'; }

std::string StemWord(std::string_view word, const ReducerTables& tables) {
  return Reduce(word, tables.RecallWords, [&](WorkText& w) {
    switch (w.L(1)) {
      case 'd':
        return StemD(w, tables);
      case 'g':
        return StemG(w, word, tables);
      case 'r':
        return StemR(w, tables);
      case 's':
        return StemS(w, word, tables);
      case 't':
        return StemT(w, tables);
      default:
        return;
    }
  });
}

std::string RootWord(std::string_view word, const ReducerTables& tables) {
  return Reduce(word, tables.RecallWords, [&](WorkText& w) {
    switch (w.L(1)) {
      case 'l':
        return RootL(w);
      case 's':
        return RootS(w);
      case 'y':
        return RootY(w, tables);
      default:
        return;
    }
  });
}

}  // namespace tarn
