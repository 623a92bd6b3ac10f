#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corpus/Keywords.h"
#include "corpus/ReferenceCounts.h"
#include "support/ErrorText.h"
#include "support/FakeUserPort.h"
#include "support/TempFolder.h"
#include "wordtable/Hashtable.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;

// A reference of `running_words` words with the words and counts of `words`.
ReferenceCounts Reference(const std::vector<std::pair<std::string, int64_t>>& words,
                          int64_t running_words) {
  FirstSeenCounter counter;
  for (const auto& [word, count] : words) counter.AddTally(word, WordTally{count, count, 0});
  return ReferenceCounts(std::move(counter), running_words);
}

struct ArithmeticCase {
  const char* name;
  WordCounts counts;
  double log_likelihood;
  double log_ratio;
};

// Worked by hand: with a, b the two counts and n1, n2 the two sizes, E1 = n1·(a+b)/(n1+n2),
// E2 = n2·(a+b)/(n1+n2), G² = 2·(a·ln(a/E1) + b·ln(b/E2)), log ratio = log₂((a/n1)/(b/n2)).
TEST(KeywordArithmetic, LogLikelihoodAndLogRatioOnWorkedCases) {
  const ArithmeticCase cases[] = {
      // E1 = E2 = 5: G² = 2·10·ln 2; the missing count is 0.5: log₂ 20.
      {"absent from the reference", {10, 1000, 0, 1000}, 13.862944, 4.321928},
      // E1 = E2 = 15: 2·(20·ln(4/3) + 10·ln(2/3)); twice as frequent.
      {"twice as frequent", {20, 1000, 10, 1000}, 3.397981, 1.0},
      // E1 = 100·55/10100, E2 = 10000·55/10100; 5 % against 0.5 %.
      {"sides of different sizes", {5, 100, 50, 10000}, 13.636268, 3.321928},
      {"as frequent on both sides", {10, 1000, 10, 1000}, 0.0, 0.0},
      // G² does not say which side the word favours; the log ratio does: 0.5 against 4.
      {"absent from the text", {0, 1000, 4, 1000}, 5.545177, -3.0},
      // E1 = 2.5, E2 = 7.5: 2·(7·ln 2.8 + 3·ln 0.4); 3.5 % against 0.5 %.
      {"reference three times larger", {7, 200, 3, 600}, 8.916927, 2.807355},
  };
  for (const ArithmeticCase& c : cases) {
    EXPECT_NEAR(LogLikelihood(c.counts), c.log_likelihood, 1e-6) << c.name;
    EXPECT_NEAR(LogRatio(c.counts), c.log_ratio, 1e-6) << c.name;
  }
}

// Text of 1,000 words against a reference of 1,000: each word's counts on both sides.
class FindKeywordsTest : public ::testing::Test {
 protected:
  FindKeywordsTest() {
    for (const auto& [word, count] :
         std::vector<std::pair<std::u16string, int64_t>>{{u"zeta", 10},
                                                         {u"rare", 2},
                                                         {u"even", 10},
                                                         {u"alpha", 10},
                                                         {u"less", 3},
                                                         {u"big", 40},
                                                         {u"three", 3}}) {
      words_.AddCount(word, count);
    }
  }

  THashTable words_{256};
  ReferenceCounts reference_ = Reference({{"even", 10}, {"less", 4}, {"big", 10}}, 1000);
};

std::vector<std::string> WordsOf(const std::vector<Keyword>& keywords) {
  std::vector<std::string> words;
  for (const Keyword& keyword : keywords) words.push_back(keyword.word);
  return words;
}

// By G² descending; zeta and alpha tie on every count and come by word. Words as frequent
// (even) or less frequent (less) in the text than in the reference are no keywords, nor words
// below the minimum count (rare), unless the minimum is lowered.
TEST_F(FindKeywordsTest, MoreFrequentWordsByLogLikelihoodThenCountThenWord) {
  const std::vector<Keyword> keywords = FindKeywords(words_, 1000, reference_);
  EXPECT_THAT(WordsOf(keywords), ElementsAre("big", "alpha", "zeta", "three"));
  EXPECT_EQ(keywords[0].count, 40);
  EXPECT_EQ(keywords[0].reference_count, 10);
  EXPECT_EQ(keywords[1].reference_count, 0);
  EXPECT_DOUBLE_EQ(keywords[1].log_likelihood, keywords[2].log_likelihood);
  EXPECT_THAT(WordsOf(FindKeywords(words_, 1000, reference_, 2)),
              ElementsAre("big", "alpha", "zeta", "three", "rare"));
  EXPECT_EQ(KeywordListingText(FindKeywords(words_, 1000, reference_, 10)),
            "big\t40\t10\t19.27\t2.00\ralpha\t10\t0\t13.86\t4.32\rzeta\t10\t0\t13.86\t4.32\r");
}

// The view waits for a counted document, reading no reference before; a reference that cannot
// be read leaves the text view as it was.
TEST_F(FindKeywordsTest, ShowKeywordsNeedsADocumentAndKeepsTheViewOnError) {
  StatisticsState state;
  testing::FakeUserPort port;
  int reads = 0;
  const auto reference = [&] {
    ++reads;
    return Reference({{"big", 1}}, 1000);
  };
  ShowKeywords(state, reference, port);
  EXPECT_THAT(port.messages, ElementsAre("请打开一个文件进行分析！"));
  EXPECT_EQ(reads, 0);

  state.DocumentLoaded = true;
  state.WordTable = words_.Clone();
  state.TotalWords = 1000;
  state.text_view = "before";
  testing::TempFolder folder;
  const std::string missing = folder / "missing.txt";
  EXPECT_THAT(testing::ErrorText([&] {
                ShowKeywords(
                    state, [&] { return ReadReferenceCounts(missing); }, port);
              }),
              ::testing::HasSubstr(missing));
  EXPECT_EQ(state.text_view, "before");
  ShowKeywords(state, reference, port);
  EXPECT_EQ(state.text_view.substr(0, 4), "big\t");
}

}  // namespace
}  // namespace tarn
