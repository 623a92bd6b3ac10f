#pragma once

#include <initializer_list>
#include <string_view>

#include "morphology/pstemming.h"
#include "wordtable/Hashtable.h"

namespace tarn {

// The three reducer tables, filled from word lists, for tests and benchmarks.
struct SmallTables {
  SmallTables(std::initializer_list<std::u16string_view> recall,
              std::initializer_list<std::u16string_view> e_end,
              std::initializer_list<std::u16string_view> double_consonant) {
    for (auto word : recall) recall_words.AddCount(word, 1);
    for (auto word : e_end) e_end_words.AddCount(word, 1);
    for (auto word : double_consonant) double_consonant_words.AddCount(word, 1);
  }

  THashTable recall_words;
  THashTable e_end_words;
  THashTable double_consonant_words;
  ReducerTables tables{recall_words, e_end_words, double_consonant_words};
};

// The tables under which golden.tsv gives its stems and roots.
inline SmallTables GoldenTables() {
  return SmallTables(
      {u"this", u"has", u"was", u"news", u"always", u"early", u"only", u"water", u"during", u"bus"},
      {u"hope",  u"make", u"write", u"large",  u"live",     u"bre",   u"simple",
       u"apple", u"love", u"come",  u"take",   u"use",      u"close", u"horse",
       u"free",  u"late", u"shoe",  u"gentle", u"possible", u"able"},
      {u"call", u"small", u"dress", u"fall", u"tell", u"kill", u"add", u"miss", u"fill"});
}

}  // namespace tarn
