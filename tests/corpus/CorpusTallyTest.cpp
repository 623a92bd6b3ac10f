#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <stdexcept>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "analysis/WordStreamCounter.h"
#include "corpus/CorpusTally.h"
#include "corpus/CorpusTextCounts.h"
#include "corpus/JobPool.h"

namespace tarn {
namespace {

FirstSeenCounter Counted(const std::string& words) {
  FirstSeenCounter counter;
  std::istringstream in(words);
  for (std::string word; in >> word;) counter.Add(word);
  return counter;
}

// What becomes of a text fed to the stream.
enum class Fate { kKept, kDropped, kDroppedWhenEnded, kRestarted };

// The tally of `texts` counted as one stream in batches of two words, on a second thread or
// not; each text meets its fate, kKept by default; texts of more distinct words than
// `largest_handed_over` are written into the tally by the counting thread.
CorpusTally TallyOf(const std::vector<std::string>& texts, const std::vector<Fate>& fates = {},
                    bool side_by_side = true,
                    size_t largest_handed_over = CorpusTextCounts::kLargestHandedOver) {
  CorpusTally tally;
  CorpusTextCounts counts(tally, largest_handed_over);
  WordStreamCounter counter(true, 2);
  counter.CountTexts(counts, side_by_side);
  for (size_t i = 0; i < texts.size(); ++i) {
    const Fate fate = i < fates.size() ? fates[i] : Fate::kKept;
    counter.Feed(texts[i]);
    if (fate == Fate::kDropped) {
      counter.DropText();
      continue;
    }
    if (fate == Fate::kRestarted) {
      counter.Reset();
      counter.Feed(texts[i]);
    }
    counter.Finish();
    if (fate == Fate::kDroppedWhenEnded) {
      counter.DropText();
    } else {
      counter.EndText();
    }
  }
  counter.FinishTexts();
  counts.Finish(counter.TakeWords());
  return tally;
}

std::vector<std::pair<std::string, WordTally>> Tallies(const FirstSeenCounter& words) {
  std::vector<std::pair<std::string, WordTally>> tallies;
  words.ForEachTally([&](std::string_view word, const WordTally& tally) {
    tallies.emplace_back(std::string(word), tally);
  });
  return tallies;
}

// Counted as one stream, the words come out in the order, and with the counts, of one text.
TEST(CorpusTallyTest, MergedTextsAreOneStream) {
  const std::vector<std::string> texts = {"b a b c", "d a e", "c f b"};
  const CorpusTally tally = TallyOf(texts);
  EXPECT_EQ(Tallies(tally.Words()), Tallies(Counted("b a b c d a e c f b")));
  EXPECT_EQ(tally.Texts(), 3u);
}

// Each text of the stream is cut as if it stood alone, and a word met with a capital and
// without is one word: the tallies, capitals included, are those of the texts counted one by
// one and added up in order, and a word's range counts each text once.
TEST(CorpusTallyTest, CapitalsFoldAcrossTexts) {
  const std::vector<std::string> texts = {"A cat. The cat saw the Dog and Mr. Tom'",
                                          "l the dog and Tom THE END",
                                          "Tom met THE CAT; the cat met Tom"};
  const CorpusTally tally = TallyOf(texts);
  FirstSeenCounter added;
  std::map<std::string, uint32_t> ranges;
  for (const std::string& text : texts) {
    WordStreamCounter alone(true);
    alone.Feed(text);
    alone.Finish();
    alone.Words().ForEachTally([&](std::string_view word, const WordTally& counted) {
      added.AddTally(word, counted);
      ++ranges[std::string(word)];
    });
  }
  EXPECT_EQ(Tallies(tally.Words()), Tallies(added));
  const WordSpreads spread = tally.Spread();
  for (const auto& [word, range] : ranges) {
    EXPECT_EQ(spread[*tally.Words().IndexOf(word)].range, range) << word;
  }
  EXPECT_EQ(ranges["tom"], 3u);
}

// A text given up, before or after its end, halfway through a batch or not, leaves the words,
// the counts and the spread of the texts without it; one fed again from its start after a
// restart counts once.
TEST(CorpusTallyTest, AGivenUpTextLeavesNoTrace) {
  const std::vector<std::string> texts = {"apple Pear apple", "pear Zebra quince apple Apple fig",
                                          "fig pear Quince"};
  for (const bool side_by_side : {true, false}) {
    for (const Fate fate : {Fate::kDropped, Fate::kDroppedWhenEnded}) {
      for (size_t dropped = 0; dropped < texts.size(); ++dropped) {
        SCOPED_TRACE(testing::Message() << side_by_side << " " << dropped);
        std::vector<Fate> fates(texts.size(), Fate::kKept);
        fates[dropped] = fate;
        std::vector<std::string> kept = texts;
        kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(dropped));
        const CorpusTally with = TallyOf(texts, fates, side_by_side);
        const CorpusTally without = TallyOf(kept);
        EXPECT_EQ(Tallies(with.Words()), Tallies(without.Words()));
        EXPECT_EQ(with.Spread(), without.Spread());
        EXPECT_EQ(with.Texts(), 2u);
      }
    }
    const CorpusTally restarted = TallyOf(texts, {Fate::kKept, Fate::kRestarted}, side_by_side);
    EXPECT_EQ(Tallies(restarted.Words()), Tallies(TallyOf(texts).Words()));
    EXPECT_EQ(restarted.Spread(), TallyOf(texts).Spread());
  }
}

// Every text's counts reach the tally in the texts' order, whether the thread that feeds them
// writes them or the counting thread does (texts of many distinct words), or some of each.
TEST(CorpusTallyTest, TextsReachTheTallyInTheirOrderWhoeverWritesThem) {
  const std::vector<std::string> texts = {"a b", "", "c c d", "b", "", "e a f g"};
  const auto counts_of = [](const CorpusTally& tally) {
    std::vector<std::tuple<size_t, uint32_t, int64_t>> counts;
    tally.ForEachCount(
        [&](size_t text, uint32_t word, int64_t count) { counts.emplace_back(text, word, count); });
    for (size_t text = 0; text < tally.Texts(); ++text) {
      counts.emplace_back(text, UINT32_MAX, tally.TextWords(text));
    }
    return counts;
  };
  const auto expected = counts_of(TallyOf(texts, {}, false));
  ASSERT_EQ(expected.size(), 9u + texts.size());
  for (const bool side_by_side : {true, false}) {
    for (const size_t largest : {size_t{0}, size_t{1}, size_t{2}}) {
      SCOPED_TRACE(testing::Message() << side_by_side << " " << largest);
      EXPECT_EQ(counts_of(TallyOf(texts, {}, side_by_side, largest)), expected);
    }
  }
}

// Worked by hand: the texts hold 4, 2 and 4 running words (10 in all), s = 0.4, 0.2, 0.4.
// x: 2, 0, 2 of 4, v = 0.5, 0, 0.5: DP = 0.5 (0.1 + 0.2 + 0.1) = 0.2.
// y: only in the second text, v = 0, 1, 0: DP = 0.5 (0.4 + 0.8 + 0.4) = 0.8.
// z: 1, 1, 1 of 3: DP = 0.5 (|1/3 - 0.4| + |1/3 - 0.2| + |1/3 - 0.4|) = 2/15.
// w: all in the first text, v = 1, 0, 0: DP = 0.5 (0.6 + 0.2 + 0.4) = 0.6.
// On more than one thread the texts are summed in two halves: the figures are the same.
TEST(CorpusTallyTest, RangeAndDpOfAHandWorkedCorpus) {
  const CorpusTally tally = TallyOf({"x x z w", "y z", "x z x q"});
  for (const size_t threads : {1, 2}) {
    SCOPED_TRACE(threads);
    const WordSpreads spread = tally.Spread(threads);
    struct Case {
      std::string word;
      uint32_t range;
      double dp;
    };
    for (const Case& c :
         {Case{"x", 2, 0.2}, Case{"y", 1, 0.8}, Case{"z", 3, 2.0 / 15}, Case{"w", 1, 0.6}}) {
      const auto index = tally.Words().IndexOf(c.word);
      ASSERT_TRUE(index.has_value()) << c.word;
      EXPECT_EQ(spread[*index].range, c.range) << c.word;
      EXPECT_NEAR(spread[*index].dp, c.dp, 1e-12) << c.word;
    }
  }
  // Exactly the same, however the texts fall into halves: one text, two, or most of the
  // counts in the first or the last; and from the compact words after TakeWords.
  for (const std::vector<std::string>& texts : {std::vector<std::string>{"a b a"},
                                                {"a b", "b c"},
                                                {"a b c d e f g h i j k", "a", "b"},
                                                {"a", "b", "a b c d e f g h i j k"}}) {
    CorpusTally corpus = TallyOf(texts);
    const WordSpreads whole = corpus.Spread(1);
    EXPECT_EQ(corpus.Spread(2), whole) << texts.size() << " " << texts.back();
    const CountedWords words(corpus.TakeWords());
    EXPECT_EQ(corpus.Spread(words, 1), whole) << texts.size() << " " << texts.back();
    EXPECT_EQ(corpus.Spread(words, 2), whole) << texts.size() << " " << texts.back();
  }
}

// A text begun before any word was counted, after empty texts or one given up, has its counts
// read from the counter as a whole; the texts after it are counted word by word. Of the texts
// of 0, 3, 0 and 2 running words: b, both in the second, has DP = 0.5 (0.4 + 0.4) = 0.4; a, one
// in each text with words, 0.5 (0.1 + 0.1) = 0.1; c, all in the last, 0.5 (0.6 + 0.6) = 0.6.
TEST(CorpusTallyTest, TheFirstTextWithWordsAfterEmptyOnes) {
  const std::vector<std::string> texts = {"", "b a b", "", "a c"};
  for (const size_t largest_handed_over : {size_t{1}, CorpusTextCounts::kLargestHandedOver}) {
    const CorpusTally tally = TallyOf(texts, {}, true, largest_handed_over);
    EXPECT_EQ(tally.Texts(), 4u);
    EXPECT_EQ(Tallies(tally.Words()), Tallies(Counted("b a b a c")));
    const WordSpreads spread = tally.Spread();
    EXPECT_EQ(spread[*tally.Words().IndexOf("b")].range, 1u);
    EXPECT_NEAR(spread[*tally.Words().IndexOf("b")].dp, 0.4, 1e-12);
    EXPECT_EQ(spread[*tally.Words().IndexOf("a")].range, 2u);
    EXPECT_NEAR(spread[*tally.Words().IndexOf("a")].dp, 0.1, 1e-12);
    EXPECT_NEAR(spread[*tally.Words().IndexOf("c")].dp, 0.6, 1e-12);
  }
  const CorpusTally after_dropped =
      TallyOf({"z y z", "", "b a b", "a c"}, {Fate::kDropped, Fate::kKept});
  const CorpusTally without = TallyOf({"", "b a b", "a c"});
  EXPECT_EQ(Tallies(after_dropped.Words()), Tallies(without.Words()));
  EXPECT_EQ(after_dropped.Spread(), without.Spread());
}

// DP weighs a word's share in each text against the text's share of the running words: the
// same 1, 2, 1 occurrences deviate in texts of 2, 6 and 8 words and not at all in texts of 2,
// 4 and 2.
TEST(CorpusTallyTest, DpWeighsTheTextsBySize) {
  const CorpusTally tally = TallyOf({"a b", "a a b b b b", "a b b c c c c c"});
  const WordSpreads spread = tally.Spread();
  EXPECT_EQ(spread[*tally.Words().IndexOf("a")], (WordSpread{3, 0.25}));
  const CorpusTally even = TallyOf({"a b", "a a b b", "a b"});
  EXPECT_EQ(even.Spread()[*even.Words().IndexOf("a")], (WordSpread{3, 0.0}));
}

// A corpus of more than 2^31 running words needs sums wider than 64 bits; the spread is the same
// as that of the corpus scaled down, whose sums are narrow. The texts hold 9·10^9 and 3·10^9
// running words: a, 6·10^9 and 3·10^9 of them, has DP = 1/12; b, all 3·10^9 in the first, 0.25.
TEST(CorpusTallyTest, TheSpreadOfAVeryLargeCorpus) {
  const auto tally_of = [](int64_t scale) {
    CorpusTally tally;
    const uint32_t a = tally.AddWord("a", WordTally{3 * scale, 3 * scale, 0});
    const uint32_t b = tally.AddWord("b", WordTally{scale, scale, 0});
    tally.AddCount(a, 2 * scale);
    tally.AddCount(b, scale);
    tally.EndText(3 * scale);
    tally.AddCount(a, scale);
    tally.EndText(scale);
    return tally;
  };
  const CorpusTally large = tally_of(3'000'000'000);
  const CorpusTally small = tally_of(1);
  ASSERT_GT(large.Words().TotalCount(), int64_t{INT32_MAX});
  for (const size_t threads : {1, 2}) {
    SCOPED_TRACE(threads);
    const WordSpreads spread = large.Spread(threads);
    EXPECT_EQ(spread[0].range, 2u);
    EXPECT_NEAR(spread[0].dp, 1.0 / 12, 1e-12);
    EXPECT_EQ(spread[1].range, 1u);
    EXPECT_NEAR(spread[1].dp, 0.25, 1e-12);
    EXPECT_EQ(spread, small.Spread(threads));
  }
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
