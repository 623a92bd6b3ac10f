#pragma once

#include <memory>
#include <string>
#include <vector>

#include "morphology/pstemming.h"
#include "wordtable/Hashtable.h"

namespace tarn {

// The six word tables of the dict folder. A table whose file failed to load is empty, so every
// command works with what it has; only FilterWords is ever replaced after loading.
struct Lexicon {
  // The dict folder the tables were loaded from (empty when none was); the filter-list reload
  // starts its dialog in its stoplist folder.
  std::string folder;
  // Words the filtered views leave out ("compare.txt").
  std::unique_ptr<THashTable> FilterWords = std::make_unique<THashTable>(256);
  // Irregular form, base form, irregular form, ... ("1.dat").
  std::vector<std::string> IrregularPairs;
  // Base forms that end in e ("2.dat").
  std::unique_ptr<THashTable> EEndWords = std::make_unique<THashTable>(256);
  // Words the reducers leave whole ("3.dat").
  std::unique_ptr<THashTable> RecallWords = std::make_unique<THashTable>(256);
  // Base forms that end in a doubled letter ("4.dat").
  std::unique_ptr<THashTable> DoubleConsonantWords = std::make_unique<THashTable>(256);
  // Words removed from every count ("notword.txt").
  std::unique_ptr<THashTable> StopWords = std::make_unique<THashTable>(256);

  // The tables StemWord and RootWord consult.
  ReducerTables Reducers() const { return {*RecallWords, *EEndWords, *DoubleConsonantWords}; }
};

}  // namespace tarn
