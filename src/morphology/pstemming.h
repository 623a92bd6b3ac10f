#pragma once

#include <string>
#include <string_view>

#include "wordtable/Hashtable.h"

namespace tarn {

// The word tables the two reducers consult. The lexicon owns them; the reducers only read.
struct ReducerTables {
  // Words that look inflected or derived but must come out whole.
  const THashTable& RecallWords;
  // Base forms that end in e: a cut suffix keeps its e when the word with e is listed here.
  const THashTable& EEndWords;
  // Base forms that end in a doubled letter: the doubled letter stays when listed here.
  const THashTable& DoubleConsonantWords;
};

// True for a, e, i, o and u (y is no vowel here).
bool IsVowel(char c);

// True for h, o, s and x, the letters after which a plural ends in -es.
bool IsEsLetter(char c);

// The base form of an inflected word (code page 936, one character per byte): plurals, -ed,
// -ing, -er and -est forms. Words under 3 characters and recalled words come back unchanged;
// the result may be empty.
std::string StemWord(std::string_view word, const ReducerTables& tables);

// The root of a derived word: -ful, -ness and -ly are cut. Uses RecallWords and EEndWords
// only; words under 3 characters and recalled words come back unchanged.
std::string RootWord(std::string_view word, const ReducerTables& tables);

}  // namespace tarn
