#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "text/CodePage936.h"
#include "wordtable/Hashtable.h"
#include "wordtable/LiteralExchangeSort.h"

namespace tarn {
namespace {

using testing::KeyCount;
using testing::TraversalOf;

TEST(HashtableTest, HashOfRotatesAndXorsEveryUnit) {
  struct Case {
    std::u16string key;
    uint32_t hash;
    int32_t bucket;
  };
  THashTable table;
  for (const Case& c :
       {Case{u"", 0, 0}, Case{u"a", 97, 97}, Case{u"ab", 486, 230}, Case{u"the", 1669, 133}}) {
    EXPECT_EQ(table.HashOf(c.key), c.hash) << "key \"" << c.key.size() << " units\"";
    table.AddCount(c.key, 1);
    EXPECT_EQ(table.Bucket(c.bucket)->Key, c.key);
  }
}

TEST(HashtableTest, AddCountInsertsThenIncrements) {
  THashTable table;
  EXPECT_FALSE(table.AddCount(u"walk", 3));
  THashItem record;
  table.GetItem(u"walk", record);
  EXPECT_EQ(record.Count, 3);
  EXPECT_EQ(record.Mark1, 1);
  EXPECT_EQ(record.Mark2, 1);
  EXPECT_EQ(record.Value, u"");
  EXPECT_TRUE(table.AddCount(u"walk", 2));
  table.GetItem(u"walk", record);
  EXPECT_EQ(record.Count, 5);

  EXPECT_FALSE(table.AddCount(u"Walk", 1));  // keys are case-sensitive
  EXPECT_FALSE(table.AddCount(u"", 1));      // the empty key is a key like any other
  EXPECT_TRUE(table.Contains(u""));
  EXPECT_EQ(table.ItemCount(), 3);
}

TEST(HashtableTest, GetItemOfAbsentKeyLeavesRecordUntouched) {
  THashTable table;
  table.AddItem(u"here", u"v", 9, 2, 3);
  THashItem record;
  record.Key = u"keep";
  record.Count = -4;
  record.Mark1 = 7;
  record.Value = u"mine";
  table.GetItem(u"absent", record);
  EXPECT_EQ(record.Key, u"keep");
  EXPECT_EQ(record.Count, -4);
  EXPECT_EQ(record.Mark1, 7);
  EXPECT_EQ(record.Value, u"mine");
  table.GetItem(u"here", record);
  EXPECT_EQ(record.Key, u"here");
  EXPECT_EQ(record.Value, u"v");
  EXPECT_EQ(record.Mark2, 3);
}

TEST(HashtableTest, ListTextPadsToWidthAndSkipsZeroAndBlank) {
  struct Case {
    const char* name;
    std::vector<KeyCount> items;
    int32_t width;
    std::u16string text;
  };
  const std::u16string long_key = u"internationalization";  // 20 units
  const std::vector<Case> cases = {
      {"padded", {{u"the", 12}}, 20, u"the" + std::u16string(17, u' ') + u"\t12\r"},
      {"exact width", {{long_key, 3}}, 20, long_key + u"\t3\r"},
      {"longer than width", {{long_key + u"s", 1}}, 20, long_key + u"s\t1\r"},
      {"negative", {{u"x", -5}}, 3, u"x  \t-5\r"},
      {"zero width", {{u"x", 1}}, 0, u"x\t1\r"},
      {"zero count and blank keys",
       {{u"a", 0}, {u"   ", 4}, {u"", 2}, {u" b ", 2}},
       4,
       u" b  \t2\r"},
      {"big count", {{u"n", 5000000000}}, 1, u"n\t5000000000\r"},
      {"beyond ASCII", {{u"中文", 2}, {u"caf\u00e9", 1}}, 6, u"caf\u00e9  \t1\r中文    \t2\r"},
      {"half a surrogate pair, padded", {{u"a\xD83D", 1}}, 4, u"a\xD83D  \t1\r"},
      {"half a surrogate pair, not padded", {{u"a\xD83D", 1}}, 0, u"a\xD83D\t1\r"},
      {"outside the code page", {{u"\U0001F600x", 3}}, 1, u"\U0001F600x\t3\r"},
  };
  for (const Case& c : cases) {
    THashTable table(1);
    for (const auto& [key, count] : c.items) table.AddItem(key, u"", count, 1, 1);
    EXPECT_EQ(table.ListText(c.width), c.text) << c.name;
    // The code page 936 listing is the UTF-16 one converted whole.
    EXPECT_EQ(table.ListCp936(c.width), Utf16ToCp936(c.text)) << c.name;
  }
}

// A table of millions is listed a group of chains at a time: the same lines in the same order
// as its traversal gives, zero counts and blank keys left out, and one allocation of the text.
TEST(HashtableTest, ALargeTableIsListedInTraversalOrder) {
  THashTable table;
  for (int i = 0; i < (1 << 20) + 100; ++i) {
    std::u16string key = u"k";
    for (int n = i; n > 0; n /= 26) key += static_cast<char16_t>(u'a' + n % 26);
    table.AddItem(key, {}, i % 1000, 1, 1);
  }
  table.AddItem(u"  ", {}, 3, 1, 1);
  table.AddItem(u"internationalization", {}, 3, 1, 1);
  std::u16string expected;
  for (const auto& [key, count] : TraversalOf(table)) {
    if (count == 0 || key == u"  ") continue;
    expected += key + std::u16string(key.size() < 8 ? 8 - key.size() : 0, u' ') + u'\t';
    for (const char c : std::to_string(count)) expected += static_cast<char16_t>(c);
    expected += u'\r';
  }
  const std::u16string text = table.ListText(8);
  EXPECT_EQ(text, expected);
  EXPECT_GE(text.capacity(), text.size());
  EXPECT_LE(text.capacity(), text.size() + text.size() / 4);
  EXPECT_EQ(table.ListCp936(8), Utf16ToCp936(expected));
}

TEST(HashtableTest, TotalsCountOnlyListedItems) {
  THashTable table;
  table.AddItem(u"a", u"", 0, 1, 1);
  table.AddItem(u"  ", u"", 4, 1, 1);
  table.AddCount(u"b", 2);
  table.AddCount(u"c", 3);
  EXPECT_EQ(table.ItemCount(), 4);
  EXPECT_EQ(table.TotalCount(), 5);
  EXPECT_EQ(table.Keys().size(), 4u);
  table.ResetCounts();
  EXPECT_EQ(table.ListText(20), u"");
  EXPECT_EQ(table.TotalCount(), 0);
  EXPECT_EQ(table.ItemCount(), 4);
}

TEST(HashtableTest, DuplicatesAreFoundNewestFirstAndDeletedOneByOne) {
  THashTable table(1);
  table.AddItem(u"w", u"old", 1, 0, 0);
  table.AddItem(u"v", u"", 5, 0, 0);
  table.AddItem(u"w", u"new", 2, 0, 0);
  EXPECT_EQ(TraversalOf(table), (std::vector<KeyCount>{{u"w", 2}, {u"v", 5}, {u"w", 1}}));
  EXPECT_EQ(table.Keys(), (std::vector<std::string>{"w", "v", "w"}));
  EXPECT_TRUE(table.AddCount(u"w", 10));  // the newest gains
  table.Delete(u"w");
  EXPECT_TRUE(table.Contains(u"w"));
  THashItem record;
  table.GetItem(u"w", record);
  EXPECT_EQ(record.Value, u"old");
  table.Delete(u"w");
  EXPECT_FALSE(table.Contains(u"w"));
  table.Remove(u"w");  // absent: nothing happens
  EXPECT_EQ(TraversalOf(table), (std::vector<KeyCount>{{u"v", 5}}));
}

TEST(HashtableTest, MoveCountIsAddCountThenDeleteOfTheNewest) {
  THashTable table(1);
  table.AddItem(u"w", u"old", 1, 0, 0);
  table.AddItem(u"v", u"", 5, 0, 0);
  table.AddItem(u"w", u"new", 2, 0, 0);
  table.MoveCount(u"w", u"v");
  EXPECT_EQ(TraversalOf(table), (std::vector<KeyCount>{{u"v", 7}, {u"w", 1}}));
  table.MoveCount(u"w", u"u");       // a new key goes to the head of its chain
  table.MoveCount(u"absent", u"t");  // adds nothing, but like AddCount makes the key
  EXPECT_EQ(TraversalOf(table), (std::vector<KeyCount>{{u"t", 0}, {u"u", 1}, {u"v", 7}}));
}

TEST(HashtableTest, FindSlotPointsAtTheLinkToTheItemOrTheChainEnd) {
  THashTable table(1);
  table.AddCount(u"x", 1);
  table.AddCount(u"y", 1);
  table.AddCount(u"z", 1);  // chain z, y, x
  const THashItem* z = table.Bucket(0);
  EXPECT_EQ(*table.FindSlot(u"z"), z);
  THashItem** slot = table.FindSlot(u"y");
  EXPECT_EQ(slot, &z->Next);  // the link inside z that points at y
  const THashItem* x = (*slot)->Next;
  THashItem** end = table.FindSlot(u"absent");
  EXPECT_EQ(end, &x->Next);
  table.Delete(u"x");
  EXPECT_EQ(table.FindSlot(u"absent"), &z->Next->Next);
}

TEST(HashtableTest, MergePairsFoldsVariantsInOrder) {
  struct Case {
    const char* name;
    std::vector<KeyCount> before;
    std::vector<std::string> lines;
    std::vector<KeyCount> after;
  };
  const std::vector<Case> cases = {
      {"two variants of one base",
       {{u"go", 4}, {u"going", 1}, {u"went", 2}},
       {"went", "go", "going", "go"},
       {{u"go", 7}}},
      {"absent base is inserted", {{u"went", 2}}, {"went", "go", "going", "go"}, {{u"go", 2}}},
      {"equal pair is skipped", {{u"cut", 3}}, {"cut", "cut"}, {{u"cut", 3}}},
      {"odd last line is ignored",
       {{u"went", 2}, {u"x", 1}},
       {"went", "go", "x"},
       {{u"x", 1}, {u"go", 2}}},
      {"a base moves on again", {{u"a", 1}, {u"b", 2}}, {"a", "b", "b", "c"}, {{u"c", 3}}},
      {"lines are not trimmed", {{u"went", 2}}, {"went ", "go"}, {{u"went", 2}}},
  };
  for (const Case& c : cases) {
    THashTable table(1);
    for (const auto& [key, count] : c.before) table.AddCount(key, count);
    table.MergePairs(c.lines);
    auto after = TraversalOf(table);
    std::sort(after.begin(), after.end());
    auto expected = c.after;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(after, expected) << c.name;
  }
}

TEST(HashtableTest, SubtractRemovesTrimmedKeysOfTheOtherTable) {
  THashTable table;
  for (const char16_t* key : {u"the", u"a", u"cat", u"\u4E2D"}) table.AddCount(key, 2);
  THashTable stop;
  stop.AddPair(u" the ", u"1");
  stop.AddPair(u"a\t", u"1");
  stop.AddPair(u"\u4E2D", u"1");  // survives the round trip through code page 936
  stop.AddPair(u"dog", u"1");
  table.Subtract(stop);
  EXPECT_EQ(TraversalOf(table), (std::vector<KeyCount>{{u"cat", 2}}));
  EXPECT_EQ(stop.ItemCount(), 4);
}

// An unindexed table of millions of items, far larger than the other, is read once, not looked
// up key by key; it must lose the same items as one whose lookups are indexed: of duplicate keys
// the newest, as many as the other table names.
TEST(HashtableTest, SubtractRemovesTheSameItemsWithAndWithoutAnIndex) {
  const auto fill = [](THashTable& table) {
    for (int i = 0; i < (1 << 20) + 3000; ++i) {
      std::u16string key = u"w";
      for (int n = i; n > 0; n /= 26) key += static_cast<char16_t>(u'a' + n % 26);
      table.AddItem(key, {}, i + 1, 1, 1);
      if (i % 7 == 0) table.AddItem(key, u"newer", i + 2, 2, 2);
      if (i % 21 == 0) table.AddItem(key, u"newest", i + 3, 3, 3);
    }
  };
  THashTable stop;
  stop.AddPair(u"w", u"1");
  for (int i = 0; i < 3000; i += 100) {
    std::u16string key = u"w";
    for (int n = i; n > 0; n /= 26) key += static_cast<char16_t>(u'a' + n % 26);
    stop.AddPair(key, u"1");
    if (i % 200 == 0) stop.AddPair(u" " + key, u"1");  // the same key once more, once trimmed
  }
  stop.AddPair(u"absent", u"1");
  THashTable scanned;
  fill(scanned);
  THashTable looked_up;
  fill(looked_up);
  looked_up.PrepareConcurrentLookups();
  scanned.Subtract(stop);
  looked_up.Subtract(stop);
  EXPECT_EQ(scanned.ItemCount(), looked_up.ItemCount());
  // 2100 had three items and is named once; 1400 had two and is named twice.
  ASSERT_NE(scanned.Find(u"wucd"), nullptr);
  EXPECT_EQ(scanned.Find(u"wucd")->Value, u"newer");
  EXPECT_EQ(scanned.Find(u"wwbc"), nullptr);
  EXPECT_EQ(scanned.ListText(0), looked_up.ListText(0));
}

TEST(HashtableTest, CloneRebuildsIn256BucketsReversingEachChain) {
  THashTable empty(3);
  auto empty_copy = empty.Clone();
  EXPECT_EQ(empty_copy->BucketCount(), 256);
  EXPECT_EQ(empty_copy->ItemCount(), 0);

  // x, y, z share bucket 120 of 256; AddItem in z, y, x order leaves the chain x, y, z.
  THashTable table;
  ASSERT_EQ(table.HashOf(u"x") % 256, 120u);
  ASSERT_EQ(table.HashOf(u"\x0178") % 256, 120u);
  ASSERT_EQ(table.HashOf(u"\x0278") % 256, 120u);
  const std::u16string x = u"x", y = u"\x0178", z = u"\x0278";
  table.AddItem(z, u"vz", 3, 4, 5);
  table.AddItem(y, u"", 2, 1, 1);
  table.AddItem(x, u"", 1, 1, 1);
  ASSERT_EQ(TraversalOf(table), (std::vector<KeyCount>{{x, 1}, {y, 2}, {z, 3}}));
  auto copy = table.Clone();
  EXPECT_EQ(TraversalOf(*copy), (std::vector<KeyCount>{{z, 3}, {y, 2}, {x, 1}}));
  THashItem record;
  copy->GetItem(z, record);
  EXPECT_EQ(record.Value, u"vz");
  EXPECT_EQ(record.Mark1, 4);
  EXPECT_EQ(record.Mark2, 5);

  // A one-bucket table's items spread over the 256 chains of the copy.
  THashTable narrow(1);
  for (const char16_t* key : {u"a", u"b", u"the"}) narrow.AddCount(key, 1);
  auto wide = narrow.Clone();
  EXPECT_EQ(wide->Bucket(97)->Key, u"a");
  EXPECT_EQ(wide->Bucket(133)->Key, u"the");
  EXPECT_EQ(narrow.ItemCount(), 3);
}

TEST(HashtableTest, CloneKeptIsCloneWithoutTheItemsLeftOut) {
  // Keys sharing chains, some left out, so that the kept ones must keep their places.
  THashTable table;
  std::vector<char> kept;
  for (int i = 0; i < 600; ++i) {
    const char16_t key[] = {u'w', static_cast<char16_t>(u'a' + i % 26),
                            static_cast<char16_t>(u'a' + i / 26)};
    table.AddCount(std::u16string_view(key, 3), i + 1);
  }
  for (const THashItem* item : table.Items()) kept.push_back(item->Count % 3 != 0);
  auto expected = table.Clone();
  for (const THashItem* item : table.Items()) {
    if (item->Count % 3 == 0) expected->Delete(item->Key);
  }
  auto copy = table.CloneKept(kept);
  EXPECT_EQ(TraversalOf(*copy), TraversalOf(*expected));
  EXPECT_EQ(copy->ItemCount(), 400);
  EXPECT_EQ(copy->Find(u"wba")->Count, 2);
}

// The chains exactly as defined (head insertion, lookups walk a chain), to check that the index
// beside the chains never disagrees with them after any mix of inserts and deletes.
class ChainModel {
 public:
  explicit ChainModel(uint32_t buckets) : chains_(buckets) {}
  std::deque<KeyCount>& ChainOf(const std::u16string& key) {
    uint32_t h = 0;
    for (char16_t unit : key) h = ((h << 2) | (h >> 30)) ^ unit;
    return chains_[h % chains_.size()];
  }
  KeyCount* Find(const std::u16string& key) {
    for (auto& item : ChainOf(key)) {
      if (item.first == key) return &item;
    }
    return nullptr;
  }
  void Delete(const std::u16string& key) {
    auto& chain = ChainOf(key);
    for (auto it = chain.begin(); it != chain.end(); ++it) {
      if (it->first == key) {
        chain.erase(it);
        return;
      }
    }
  }
  std::vector<KeyCount> Traversal() const {
    std::vector<KeyCount> out;
    for (const auto& chain : chains_) out.insert(out.end(), chain.begin(), chain.end());
    return out;
  }
  // What Clone makes: 256 chains, each item of the traversal pushed onto its chain's head.
  ChainModel Clone() const {
    ChainModel copy(256);
    for (const KeyCount& item : Traversal()) copy.ChainOf(item.first).push_front(item);
    return copy;
  }
  // What Sort makes: the chains keep their shape, the contents move as the literal sort moves
  // them, keys ending up in other chains than their own.
  void Sort(int32_t mode) {
    std::vector<KeyCount> items = Traversal();
    testing::LiteralExchangeSort(items, mode);
    size_t at = 0;
    for (auto& chain : chains_) {
      for (auto& item : chain) item = items[at++];
    }
  }

 private:
  std::vector<std::deque<KeyCount>> chains_;
};

// A random step on both: AddCount, AddItem (a duplicate when present) or Delete, then a lookup
// of the same key through GetItem and FindSlot.
void ChurnStep(std::mt19937& rng, bool deletes, THashTable& table, ChainModel& model, int step) {
  const int k = std::uniform_int_distribution<int>(0, 299)(rng);
  const int what = std::uniform_int_distribution<int>(0, deletes ? 9 : 5)(rng);
  const char16_t raw[] = {static_cast<char16_t>(u'a' + k % 26),
                          static_cast<char16_t>(u'a' + k / 26), 0};
  const std::u16string key = raw;
  if (what < 4) {
    KeyCount* found = model.Find(key);
    ASSERT_EQ(table.AddCount(key, 1), found != nullptr) << "step " << step;
    if (found != nullptr)
      found->second += 1;
    else
      model.ChainOf(key).emplace_front(key, 1);
  } else if (what < 6) {
    table.AddItem(key, u"", step, 0, 0);
    model.ChainOf(key).emplace_front(key, step);
  } else {
    table.Delete(key);
    model.Delete(key);
  }
  THashItem record;
  record.Count = -1;
  table.GetItem(key, record);
  const KeyCount* expected = model.Find(key);
  ASSERT_EQ(record.Count, expected ? expected->second : -1) << "step " << step;
  ASSERT_EQ(*table.FindSlot(key) != nullptr, expected != nullptr) << "step " << step;
}

TEST(HashtableTest, LookupsAgreeWithTheChainsUnderChurn) {
  std::mt19937 rng(7);
  for (uint32_t buckets : {1u, 3u, 256u}) {
    THashTable table(static_cast<int32_t>(buckets));
    ChainModel model(buckets);
    for (int step = 0; step < 20000; ++step) ChurnStep(rng, true, table, model, step);
    EXPECT_EQ(TraversalOf(table), model.Traversal());
    EXPECT_EQ(table.ItemCount(), static_cast<int32_t>(model.Traversal().size()));
  }
}

// Tables are indexed on demand, from storage order or by walking the chains; copies and sorted
// tables start without an index. Whichever way a lookup goes, it agrees with the chains.
TEST(HashtableTest, LookupsAgreeWithTheChainsThroughFillsCopiesAndSorts) {
  std::mt19937 rng(11);
  for (uint32_t buckets : {1u, 3u, 256u}) {
    auto table = std::make_unique<THashTable>(static_cast<int32_t>(buckets));
    ChainModel model(buckets);
    int step = 0;
    // Inserts only, duplicates among them, then deletes as well.
    for (int i = 0; i < 3000; ++i) ChurnStep(rng, false, *table, model, step++);
    for (int i = 0; i < 3000; ++i) ChurnStep(rng, true, *table, model, step++);
    for (int round = 0; round < 2; ++round) {
      table = table->Clone();
      model = model.Clone();
      ASSERT_EQ(TraversalOf(*table), model.Traversal()) << "round " << round;
      for (int i = 0; i < 3000; ++i) ChurnStep(rng, round == 1, *table, model, step++);
      table->Sort(round == 0 ? 2 : 4);
      model.Sort(round == 0 ? 2 : 4);
      for (int i = 0; i < 2000; ++i) ChurnStep(rng, true, *table, model, step++);
      ASSERT_EQ(TraversalOf(*table), model.Traversal()) << "round " << round;
      ASSERT_EQ(table->ListText(3), [&] {
        THashTable listed(1);
        const auto items = model.Traversal();
        for (auto it = items.rbegin(); it != items.rend(); ++it)
          listed.AddItem(it->first, u"", it->second, 0, 0);
        return listed.ListText(3);
      }());
    }
    table->Clear();
    model = ChainModel(static_cast<uint32_t>(table->BucketCount()));  // a copy has 256
    for (int i = 0; i < 2000; ++i) ChurnStep(rng, false, *table, model, step++);
    EXPECT_EQ(TraversalOf(*table), model.Traversal());
  }
}

// Distinct keys well past the index's first sizes, added one by one and then indexed all at
// once: every key is found with its count, and no absent key is.
TEST(HashtableTest, LookupsFindEveryKeyOfALargeTable) {
  const auto key_of = [](int i) {
    std::u16string key;
    for (; i > 0; i /= 26) key += static_cast<char16_t>(u'a' + i % 26);
    return key + u"x";
  };
  constexpr int kKeys = 60000;
  for (const bool indexed_at_once : {false, true}) {
    THashTable table;
    for (int i = 0; i < kKeys; ++i) {
      table.AddCount(key_of(i), i + 1);
      if (!indexed_at_once) {
        ASSERT_TRUE(table.Contains(key_of(i))) << i;
      }
    }
    table.PrepareConcurrentLookups();
    for (int i = 0; i < kKeys; ++i) {
      const THashItem* item = table.Find(key_of(i));
      ASSERT_NE(item, nullptr) << i;
      ASSERT_EQ(item->Count, i + 1) << i;
      ASSERT_FALSE(table.Contains(key_of(i) + u"y")) << i;
    }
  }
}

}  // namespace
}  // namespace tarn
