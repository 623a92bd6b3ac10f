#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "analysis/CountingRun.h"
#include "analysis/StatisticsState.h"
#include "analysis/WordStreamCounter.h"
#include "profile/Names.h"
#include "support/FakeUserPort.h"
#include "text/Trim.h"
#include "wordtable/Hashtable.h"

namespace tarn {
namespace {

std::u16string Wide(std::string_view word) { return std::u16string(word.begin(), word.end()); }

TEST(NamesTest, NonWordsAreLettersNumeralsAndTitles) {
  for (const char* word :
       {"a",         "i",   "x",    "ii",  "iv",   "xii", "xiv", "xl",     "mcmxii",
        "mmmcmxcix", "dix", "mr",   "mrs", "ms",   "dr",  "st",  "messrs", "jr",
        "sr",        "esq", "prof", "rev", "capt", "col", "gen", "lt",     "sgt"}) {
    EXPECT_TRUE(IsNonWord(Wide(word))) << word;
  }
  // Words made of numeral letters that are no standard numeral, and the two that are words.
  for (const char* word : {"mix", "mi", "dim", "mild", "civil", "vivid", "lid", "did", "mid", "ill",
                           "iix", "vx", "mmmm", "holmes", "street", "an"}) {
    EXPECT_FALSE(IsNonWord(Wide(word))) << word;
  }
}

struct TallyCase {
  const char* name;
  const char* word;
  WordTally tally;
  bool is_name;
};

TEST(NamesTest, NameByHowTheWordWasWritten) {
  const std::vector<TallyCase> cases = {
      {"capitalised wherever it was evidence", "holmes", {461, 361, 361}, true},
      {"nine in ten is enough", "watson", {20, 10, 9}, true},
      {"eight in ten is not", "hunter", {20, 10, 8}, false},
      {"once is not enough", "adler", {1, 1, 1}, false},
      {"twice is", "adler", {2, 1, 1}, true},
      {"a capital that was never evidence", "chapter", {12, 0, 0}, false},
      {"a word in lower case", "street", {40, 40, 0}, false},
      {"a non-word is no name", "mr", {275, 110, 110}, false},
      {"nor is a title that is a word", "miss", {283, 187, 185}, false},
      {"nor god", "god", {29, 18, 17}, false},
  };
  for (const TallyCase& c : cases) EXPECT_EQ(IsName(Wide(c.word), c.tally), c.is_name) << c.name;
}

// Counts `text` as the file run does, with no stop words.
void Count(const std::string& text, StatisticsState& state) {
  WordStreamCounter counter;
  counter.Feed(text);
  counter.Finish();
  state.WordTable->Clear();
  counter.FillTable(*state.WordTable);
  state.name_evidence = counter.TakeEvidence();
}

TEST(NamesTest, DetectedNamesMostFrequentFirst) {
  StatisticsState state;
  EXPECT_TRUE(DetectedNames(state).empty());
  Count(
      "we met Watson and Holmes, then Holmes and Adler saw Watson; and Holmes saw "
      "Adler and Mr. Zed and Mr. Zed and Mr. Zed. Watson ran.",
      state);
  const std::vector<NameCount> expected = {
      {u"holmes", 3}, {u"watson", 3}, {u"zed", 3}, {u"adler", 2}};
  EXPECT_EQ(DetectedNames(state), expected);
  // Only the words of the table count: a stop word taken out is no longer listed.
  state.WordTable->Remove(u"zed");
  EXPECT_EQ(DetectedNames(state).size(), 3u);
}

// The first 987 lines of the shipped list hold the 300 most frequent lemmas of English with
// their forms; a learner knows them, and none may be taken for a name in a novel.
TEST(NamesTest, NoFrequentWordIsANameInTheSamples) {
  std::ifstream list(std::string(TARN_SOURCE_DIR) + "/data/dict/stoplist/top-1000-lemmas.txt");
  std::set<std::u16string> frequent;
  std::string line;
  while (frequent.size() < 987 && std::getline(list, line)) frequent.insert(Wide(Trim(line)));
  ASSERT_EQ(frequent.size(), 987u);
  for (const char* sample : {"sherlock.txt", "pride_and_prejudice.txt"}) {
    StatisticsState state;
    THashTable no_stop_words(256);
    testing::FakeUserPort port;
    CountingRun run(state, no_stop_words, port);
    ASSERT_TRUE(run.RunFile(std::string(TARN_SOURCE_DIR) + "/data/samples/" + sample));
    const std::vector<NameCount> names = DetectedNames(state);
    EXPECT_GE(names.size(), 50u) << sample;
    for (const NameCount& name : names) {
      EXPECT_EQ(frequent.count(name.word), 0u)
          << sample << ": " << std::string(name.word.begin(), name.word.end());
    }
  }
}

}  // namespace
}  // namespace tarn
