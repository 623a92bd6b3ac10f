#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "analysis/AnalysisViews.h"
#include "analysis/CountingRun.h"
#include "analysis/ListingCommands.h"
#include "analysis/StatisticsState.h"
#include "morphology/Lexicon.h"
#include "support/FakeUserPort.h"
#include "text/CodePage936.h"
#include "text/Lines.h"
#include "text/Trim.h"
#include "wordtable/Hashtable.h"

namespace tarn::testing {

// One listing line taken apart: the key without its padding, and the count.
using ListedWord = std::pair<std::string, int64_t>;

// The words and counts of a listing in the order shown (lines ended by CR or CR LF).
inline std::vector<ListedWord> Listed(const std::string& listing) {
  std::vector<ListedWord> words;
  for (const std::string& line : SplitLines(std::string_view(listing))) {
    const size_t tab = line.find('\t');
    words.emplace_back(Trim(std::string_view(line).substr(0, tab)),
                       std::stoll(line.substr(tab + 1)));
  }
  return words;
}

// A small lexicon, a statistics state and the two command objects over them, with a scripted
// person; Count runs a file counting run over one line of text.
class AnalysisFixture : public ::testing::Test {
 protected:
  static void Fill(THashTable& table, std::initializer_list<const char*> words) {
    for (const char* word : words) table.AddCount(Cp936ToUtf16(word), 1);
  }

  void Count(const std::string& text) {
    CountingRun(state_, *lexicon_.StopWords, port_, [] { return int64_t{0}; }).RunLines({text});
  }

  Lexicon lexicon_;
  StatisticsState state_;
  FakeUserPort port_;
  AnalysisViews views_{state_, lexicon_, port_};
  ListingCommands commands_{state_, port_};
};

}  // namespace tarn::testing
