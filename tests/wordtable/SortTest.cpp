#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <sstream>

#include "wordtable/ExchangeOrder.h"
#include "wordtable/Hashtable.h"
#include "wordtable/LiteralExchangeSort.h"

namespace tarn {
namespace {

using testing::KeyCount;
using testing::LiteralExchangeSort;
using testing::TraversalOf;

std::unique_ptr<THashTable> TableOf(const std::vector<KeyCount>& entries, int32_t buckets = 256) {
  auto table = std::make_unique<THashTable>(buckets);
  for (const auto& [key, count] : entries) table->AddItem(key, u"", count, 1, 1);
  return table;
}

std::vector<int64_t> CountsOf(const THashTable& table) {
  std::vector<int64_t> counts;
  for (const auto& entry : TraversalOf(table)) counts.push_back(entry.second);
  return counts;
}

std::vector<std::u16string> KeysOf(const THashTable& table) {
  std::vector<std::u16string> keys;
  for (const auto& entry : TraversalOf(table)) keys.push_back(entry.first);
  return keys;
}

TEST(SortTest, CountModesOrderEveryBucketArrangement) {
  for (int32_t buckets : {1, 2, 3, 256}) {
    auto table = TableOf({{u"a", 1}, {u"b", 3}, {u"c", 2}}, buckets);
    table->Sort(2);
    EXPECT_EQ(CountsOf(*table), (std::vector<int64_t>{3, 2, 1})) << buckets << " buckets";
    table->Sort(1);
    EXPECT_EQ(CountsOf(*table), (std::vector<int64_t>{1, 2, 3})) << buckets << " buckets";
  }
}

TEST(SortTest, KeyModesCompareUnitsCaseSensitively) {
  auto table = TableOf({{u"apple", 1}, {u"Banana", 1}, {u"cherry", 1}, {u"abcd", 1}, {u"abc", 1}});
  table->Sort(4);
  EXPECT_EQ(KeysOf(*table),
            (std::vector<std::u16string>{u"Banana", u"abc", u"abcd", u"apple", u"cherry"}));
  table->Sort(3);
  EXPECT_EQ(KeysOf(*table),
            (std::vector<std::u16string>{u"cherry", u"apple", u"abcd", u"abc", u"Banana"}));
}

TEST(SortTest, OtherModesAndTinyTablesStayAsTheyAre) {
  auto table = TableOf({{u"x", 1}, {u"y", 5}, {u"z", 3}}, 1);
  const auto before = TraversalOf(*table);
  for (int32_t mode : {0, 5, -1}) {
    table->Sort(mode);
    EXPECT_EQ(TraversalOf(*table), before) << "mode " << mode;
  }
  THashTable empty;
  empty.Sort(2);
  EXPECT_EQ(empty.ItemCount(), 0);
  auto single = TableOf({{u"one", 4}});
  single->Sort(1);
  EXPECT_EQ(TraversalOf(*single), (std::vector<KeyCount>{{u"one", 4}}));
  EXPECT_TRUE(single->Contains(u"one"));
}

TEST(SortTest, SortedTableKeepsTotalsAndCloneRestoresLookups) {
  std::vector<KeyCount> entries;
  for (int i = 0; i < 300; ++i) {
    const char16_t key[] = {u'w', static_cast<char16_t>(u'a' + i % 26),
                            static_cast<char16_t>(u'a' + i / 26), 0};
    entries.emplace_back(key, i % 7 + 1);
  }
  auto table = TableOf(entries);
  const int64_t total = table->TotalCount();
  table->Sort(2);
  EXPECT_EQ(table->ItemCount(), 300);
  EXPECT_EQ(table->TotalCount(), total);
  int misses = 0;
  for (const auto& [key, count] : entries) misses += table->Contains(key) ? 0 : 1;
  EXPECT_GT(misses, 0) << "keys moved out of their chains";

  auto copy = table->Clone();
  for (const auto& [key, count] : entries) {
    EXPECT_TRUE(copy->Contains(key));
    THashItem record;
    copy->GetItem(key, record);
    EXPECT_EQ(record.Count, count);
  }
  EXPECT_EQ(copy->ListText(20).size(), table->ListText(20).size());
}

TEST(SortTest, SortedTableStaysUsable) {
  auto table = TableOf({{u"a", 1}, {u"b", 3}, {u"c", 2}, {u"d", 5}}, 1);
  table->Sort(2);  // one chain: a literal walk still finds every key
  EXPECT_TRUE(table->AddCount(u"a", 1));
  table->AddCount(u"e", 7);
  table->Delete(u"b");
  table->Delete(u"d");
  EXPECT_EQ(TraversalOf(*table), (std::vector<KeyCount>{{u"e", 7}, {u"c", 2}, {u"a", 2}}));
  table->Clear();
  table->AddCount(u"a", 1);
  EXPECT_TRUE(table->Contains(u"a"));
}

// Every arrangement of up to 8 values over 4 ranks: the fast order equals the literal one.
TEST(ExchangeOrderTest, MatchesLiteralSortExhaustivelyOnSmallInputs) {
  for (int n = 0; n <= 8; ++n) {
    int cases = 1;
    for (int i = 0; i < n; ++i) cases *= 4;
    for (int code = 0; code < cases; ++code) {
      std::vector<uint32_t> ranks(n);
      for (int i = 0, c = code; i < n; ++i, c /= 4) ranks[i] = c % 4;
      std::vector<KeyCount> literal;
      for (int i = 0; i < n; ++i) literal.emplace_back(std::u16string(1, u'0' + i), ranks[i]);
      LiteralExchangeSort(literal, 1);
      const std::vector<int32_t> order = ExchangeSortOrder(ranks, 4);
      ASSERT_EQ(order.size(), literal.size());
      for (int p = 0; p < n; ++p) {
        ASSERT_EQ(order[p], literal[p].first[0] - u'0') << "n=" << n << " code=" << code;
      }
    }
  }
}

// A table in the shape of counted text: a few frequent words, most words seen once, some keys
// repeated as separate items.
std::vector<KeyCount> RandomEntries(std::mt19937& rng, int n, int distinct_counts) {
  std::uniform_int_distribution<int> letter(0, 5);
  std::uniform_int_distribution<int> length(0, 4);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<KeyCount> entries;
  for (int i = 0; i < n; ++i) {
    std::u16string key;
    for (int k = length(rng); k >= 0; --k) key.push_back(u'a' + letter(rng) - (k == 0 ? 32 : 0));
    const int64_t count =
        1 + static_cast<int64_t>(distinct_counts * unit(rng) * unit(rng) * unit(rng));
    entries.emplace_back(std::move(key), count);
  }
  return entries;
}

struct RandomCase {
  int size;
  int buckets;
  int distinct_counts;
};

class SortOracleTest : public ::testing::TestWithParam<RandomCase> {};

// Sorts, then re-sorts the result in every mode (already sorted, sorted the other way), checking
// the whole traversal against the literal algorithm after every step.
TEST_P(SortOracleTest, MatchesLiteralExchangeSort) {
  const RandomCase c = GetParam();
  std::mt19937 rng(c.size * 7919 + c.buckets * 31 + c.distinct_counts);
  const std::vector<std::vector<int32_t>> sequences = {{2, 1, 2}, {1, 1, 2}, {4, 3, 4},
                                                       {3, 2, 4}, {1, 3, 1}, {2, 2, 4, 1}};
  for (int round = 0; round < 3; ++round) {
    const auto entries = RandomEntries(rng, c.size, c.distinct_counts);
    for (const auto& modes : sequences) {
      auto table = TableOf(entries, c.buckets);
      auto expected = TraversalOf(*table);
      for (int32_t mode : modes) {
        table->Sort(mode);
        LiteralExchangeSort(expected, mode);
        ASSERT_EQ(TraversalOf(*table), expected) << "mode " << mode;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Tables, SortOracleTest,
                         ::testing::Values(RandomCase{2, 1, 2}, RandomCase{5, 3, 3},
                                           RandomCase{40, 1, 4}, RandomCase{200, 3, 2},
                                           RandomCase{300, 256, 50}, RandomCase{1000, 1, 10},
                                           RandomCase{2000, 256, 300}, RandomCase{3000, 3, 1000},
                                           RandomCase{3000, 256, 5}),
                         [](const auto& info) {
                           std::ostringstream name;
                           name << 'n' << info.param.size << "_b" << info.param.buckets << "_d"
                                << info.param.distinct_counts;
                           return name.str();
                         });

}  // namespace
}  // namespace tarn
