#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "corpus/CorpusTally.h"
#include "corpus/JobPool.h"

namespace tarn {
namespace {

FirstSeenCounter Counted(const std::string& words) {
  FirstSeenCounter counter;
  std::istringstream in(words);
  for (std::string word; in >> word;) counter.Add(word);
  return counter;
}

CorpusTally TallyOf(const std::vector<std::string>& texts) {
  CorpusTally tally;
  for (const std::string& text : texts) tally.AddText(Counted(text));
  return tally;
}

std::vector<std::pair<std::string, WordTally>> Tallies(const FirstSeenCounter& words) {
  std::vector<std::pair<std::string, WordTally>> tallies;
  words.ForEachTally([&](std::string_view word, const WordTally& tally) {
    tallies.emplace_back(std::string(word), tally);
  });
  return tallies;
}

// Merged text by text, the words come out in the order, and with the counts, of one stream.
TEST(CorpusTallyTest, MergedTextsAreOneStream) {
  const std::vector<std::string> texts = {"b a b c", "d a e", "c f b"};
  const CorpusTally tally = TallyOf(texts);
  EXPECT_EQ(Tallies(tally.Words()), Tallies(Counted("b a b c d a e c f b")));
  EXPECT_EQ(tally.Texts(), 3u);
}

// A text's marked capitals fold as the text is added: a word met with a capital and without is
// one word of the text, in the tallies, the order and the spread alike, whether the first text
// is adopted or copied.
TEST(CorpusTallyTest, MarkedCapitalsFoldAsTextsAreAdded) {
  const std::string shown_t(1, MarkedCapital('t', true));
  const std::vector<std::string> texts = {"a The x the", "the b " + shown_t + "om The",
                                          "x " + shown_t + "he " + shown_t + "om"};
  CorpusTally folded;
  CorpusTally copied;
  CorpusTally adopted;
  for (const std::string& text : texts) {
    FirstSeenCounter words = Counted(text);
    copied.AddText(words);
    adopted.AddText(Counted(text));
    words.FoldCapitals();
    folded.AddText(words);
  }
  for (const CorpusTally* tally : {&copied, &adopted}) {
    EXPECT_EQ(Tallies(tally->Words()), Tallies(folded.Words()));
    EXPECT_EQ(tally->Spread(), folded.Spread());
  }
  const auto the = folded.Words().IndexOf("the");
  ASSERT_TRUE(the.has_value());
  EXPECT_EQ(folded.Spread()[*the].range, 3u);
}

// Worked by hand: the texts hold 4, 2 and 4 running words (10 in all), s = 0.4, 0.2, 0.4.
// x: 2, 0, 2 of 4, v = 0.5, 0, 0.5: DP = 0.5 (0.1 + 0.2 + 0.1) = 0.2.
// y: only in the second text, v = 0, 1, 0: DP = 0.5 (0.4 + 0.8 + 0.4) = 0.8.
// z: 1, 1, 1 of 3: DP = 0.5 (|1/3 - 0.4| + |1/3 - 0.2| + |1/3 - 0.4|) = 2/15.
// w: all in the first text, v = 1, 0, 0: DP = 0.5 (0.6 + 0.2 + 0.4) = 0.6.
TEST(CorpusTallyTest, RangeAndDpOfAHandWorkedCorpus) {
  const CorpusTally tally = TallyOf({"x x z w", "y z", "x z x q"});
  const std::vector<WordSpread> spread = tally.Spread();
  struct Case {
    std::string word;
    uint32_t range;
    double dp;
  };
  for (const Case& c : {Case{"x", 2, 0.2}, Case{"y", 1, 0.8}, Case{"z", 3, 2.0 / 15},
                        Case{"w", 1, 0.6}}) {
    const auto index = tally.Words().IndexOf(c.word);
    ASSERT_TRUE(index.has_value()) << c.word;
    EXPECT_EQ(spread[*index].range, c.range) << c.word;
    EXPECT_NEAR(spread[*index].dp, c.dp, 1e-12) << c.word;
  }
}

// DP weighs a word's share in each text against the text's share of the running words: the
// same 1, 2, 1 occurrences deviate in texts of 2, 6 and 8 words and not at all in texts of 2,
// 4 and 2.
TEST(CorpusTallyTest, DpWeighsTheTextsBySize) {
  const CorpusTally tally = TallyOf({"a b", "a a b b b b", "a b b c c c c c"});
  const std::vector<WordSpread> spread = tally.Spread();
  EXPECT_EQ(spread[*tally.Words().IndexOf("a")], (WordSpread{3, 0.25}));
  const CorpusTally even = TallyOf({"a b", "a a b b", "a b"});
  EXPECT_EQ(even.Spread()[*even.Words().IndexOf("a")], (WordSpread{3, 0.0}));
}

// Capitals travel with the counts, so the names of a corpus are those of one stream.
TEST(CorpusTallyTest, TalliesAddUp) {
  FirstSeenCounter merged;
  merged.AddTally("holmes", WordTally{5, 4, 3});
  merged.AddTally("holmes", WordTally{2, 2, 1});
  EXPECT_EQ(merged.Find("holmes"), (WordTally{7, 6, 4}));
  EXPECT_EQ(merged.TotalCount(), 7);
}

// Results come back in the jobs' order however the threads finish them, and a job's exception
// reaches the caller.
TEST(JobPoolTest, ResultsInOrderAndFailuresRethrown) {
  for (size_t threads : {1u, 2u, 7u}) {
    std::vector<size_t> seen;
    RunJobsInOrder<size_t>(
        100, threads, [](size_t i) { return i * i; },
        [&](size_t i, size_t& square) {
          EXPECT_EQ(square, i * i);
          seen.push_back(i);
        });
    EXPECT_EQ(seen.size(), 100u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  }
  EXPECT_THROW(RunJobsInOrder<int>(
                   50, 2,
                   [](size_t i) {
                     if (i == 17) throw std::runtime_error("job 17");
                     return 0;
                   },
                   [](size_t, int&) {}),
               std::runtime_error);
}

}  // namespace
}  // namespace tarn
