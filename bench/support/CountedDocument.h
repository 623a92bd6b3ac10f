// A 100 MB English document counted once, in memory, for the benchmarks of the commands that
// work on a counting run's statistics: the corpus novels again and again, followed by a
// Zipf-distributed tail of rare English-looking words that brings the table past 100,000
// distinct words. Stop and filter words are the document's most frequent words; the reducers'
// tables come from data/dict when it has them.
#pragma once

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "analysis/CountingRun.h"
#include "analysis/StatisticsState.h"
#include "morphology/Lexicon.h"
#include "support/Corpus.h"
#include "support/FakeUserPort.h"
#include "wordlists/DatFile.h"
#include "wordlists/WordTableLoading.h"
#include "wordtable/Hashtable.h"

namespace tarn::bench {
namespace fs = std::filesystem;

inline constexpr size_t kDocumentBytes = size_t{100} << 20;
inline constexpr size_t kRareWords = 150000;
inline constexpr size_t kTailBytes = size_t{4} << 20;
inline constexpr size_t kChunkBytes = size_t{1} << 20;


// Random stems with the endings the reducers cut, frequencies falling off as 1/rank.
inline std::string RareWordTail() {
  static const char* const kEndings[] = {"",   "s",   "ed",   "ing", "ly",
                                         "er", "est", "ness", "ful", "fully"};
  std::mt19937_64 random(7);
  std::set<std::string> seen;
  std::vector<std::string> words;
  while (words.size() < kRareWords) {
    std::string word(4 + random() % 7, 'a');
    for (char& c : word) c = static_cast<char>('a' + random() % 26);
    word += kEndings[random() % std::size(kEndings)];
    if (seen.insert(word).second) words.push_back(word);
  }
  std::string tail;
  // Every rare word once, then a Zipf sample of them.
  for (const std::string& word : words) tail += word + ' ';
  std::vector<double> cumulative(kRareWords);
  double sum = 0;
  for (size_t rank = 0; rank < kRareWords; ++rank) cumulative[rank] = sum += 1.0 / (rank + 1);
  std::uniform_real_distribution<double> pick(0, sum);
  while (tail.size() < kTailBytes) {
    const size_t rank =
        std::lower_bound(cumulative.begin(), cumulative.end(), pick(random)) - cumulative.begin();
    tail += words[std::min(rank, kRareWords - 1)];
    tail += tail.size() % 80 < 8 ? "\r\n" : " ";
  }
  return tail;
}

// The document cut into lines of about a megabyte, each ending between words.
inline std::vector<std::string> DocumentLines() {
  const std::string corpus = CorpusText();
  const std::string tail = RareWordTail();
  std::vector<std::string> lines;
  size_t written = 0;
  while (written + corpus.size() + tail.size() <= kDocumentBytes) {
    for (size_t at = 0; at < corpus.size(); at += kChunkBytes) {
      lines.push_back(corpus.substr(at, kChunkBytes) + ' ');
    }
    written += corpus.size();
  }
  lines.push_back(tail);
  return lines;
}

// The document's most frequent words from `from` (by rank) up to `to`.
inline void FillWithRanks(const tarn::THashTable& counted, size_t from, size_t to,
                   tarn::THashTable& table) {
  std::vector<std::pair<int64_t, std::u16string>> ranked;
  counted.ForEach([&](const tarn::THashItem& item) { ranked.emplace_back(-item.Count, item.Key); });
  std::sort(ranked.begin(), ranked.end());
  for (size_t i = from; i < std::min(to, ranked.size()); ++i) table.AddCount(ranked[i].second, 1);
}

inline void LoadReducerTables(tarn::Lexicon& lexicon) {
  const fs::path dict = fs::path(TARN_SOURCE_DIR) / "data/dict";
  if (fs::exists(dict / "1.dat")) lexicon.IrregularPairs = tarn::LoadDatList(dict / "1.dat");
  if (fs::exists(dict / "2.dat")) tarn::LoadFromDat(*lexicon.EEndWords, dict / "2.dat");
  if (fs::exists(dict / "3.dat")) tarn::LoadFromDat(*lexicon.RecallWords, dict / "3.dat");
  if (fs::exists(dict / "4.dat")) tarn::LoadFromDat(*lexicon.DoubleConsonantWords, dict / "4.dat");
}

// The counted document, with the lexicon it was counted with.
struct CountedDocument {
  tarn::Lexicon lexicon;
  tarn::StatisticsState state;
  tarn::testing::FakeUserPort port;

  CountedDocument() {
    LoadReducerTables(lexicon);
    const std::vector<std::string> lines = DocumentLines();
    tarn::CountingRun(state, *lexicon.StopWords, port).RunLines(lines);
    FillWithRanks(*state.WordTable, 0, 300, *lexicon.StopWords);
    FillWithRanks(*state.WordTable, 300, 3300, *lexicon.FilterWords);
    tarn::CountingRun(state, *lexicon.StopWords, port).RunLines(lines);
    port.messages.clear();
  }
};

inline CountedDocument& Document() {
  static CountedDocument document;
  return document;
}

}  // namespace tarn::bench
