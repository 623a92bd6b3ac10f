#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/ErrorText.h"
#include "support/HexBytes.h"
#include "support/TempFolder.h"
#include "text/Error.h"
#include "wordlists/IntakeFixture.h"
#include "wordlists/WordTableLoading.h"
#include "wordtable/Hashtable.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Every item as "key=value count mark1 mark2" in traversal order.
std::vector<std::string> Items(const THashTable& table) {
  std::vector<std::string> items;
  table.ForEach([&items](const THashItem& item) {
    items.push_back(std::string(item.Key.begin(), item.Key.end()) + "=" +
                    std::string(item.Value.begin(), item.Value.end()) + " " +
                    std::to_string(item.Count) + " " + std::to_string(item.Mark1) + " " +
                    std::to_string(item.Mark2));
  });
  return items;
}

TEST(LoadFromTextTest, ReplacesTheTableWithTrimmedNonBlankLines) {
  testing::TempFolder folder;
  THashTable table;
  table.AddCount(u"old", 5);
  // "a" twice gives two items in bucket 97; "B" stays capital; the blank line is skipped.
  LoadFromText(table, folder.Write("list.txt", " a \r\n\t\r\nB\na"));
  EXPECT_THAT(Items(table), ElementsAre("B= 1 1 1", "a= 1 1 1", "a= 1 1 1"));
  EXPECT_EQ(table.ItemCount(), 3);
  EXPECT_FALSE(table.Contains(u"old"));
}

TEST(LoadFromTextTest, WidensTheCodePage) {
  testing::TempFolder folder;
  THashTable table;
  LoadFromText(table, folder.Write("list.txt", "\xD6\xD0\xCE\xC4\r\n"));
  EXPECT_TRUE(table.Contains(u"中文"));
}

TEST(LoadFromTextTest, AMissingFileLeavesTheTableEmpty) {
  testing::TempFolder folder;
  THashTable table;
  table.AddCount(u"old", 1);
  EXPECT_THROW(LoadFromText(table, folder / "none.txt"), Error);
  EXPECT_EQ(table.ItemCount(), 0);
}

// The keys of the filter list read from `bytes`, sorted.
std::vector<std::string> FilterKeys(const std::string& bytes) {
  testing::TempFolder folder;
  THashTable table;
  LoadFilterList(table, folder.Write("list.txt", bytes));
  std::vector<std::string> keys = table.Keys();
  std::sort(keys.begin(), keys.end());
  return keys;
}

struct FilterCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> keys;  // code page 936, sorted
};

class LoadFilterListTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(LoadFilterListTest, TakesTheWordOfEveryLine) {
  EXPECT_EQ(FilterKeys(GetParam().bytes), GetParam().keys);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadFilterListTest,
    ::testing::Values(
        FilterCase{"PlainList", " a \r\n\t\r\nB\na", {"B", "a", "a"}},
        // A result saved from the text view: key, blanks to 20 characters, TAB, count, CR.
        FilterCase{"SavedListing",
                   "house               \t12\rgarden              \t3\r"
                   "internationalization\t1\rold                 \t-2\r",
                   {"garden", "house", "internationalization", "old"}},
        FilterCase{"ExportedListingWithCrLf", "house               \t12\r\n", {"house"}},
        // Only a listing line is cut; other lines with blanks inside stay whole.
        FilterCase{"OtherLinesStayWhole",
                   "ice cream\r\nhouse \t12x\r\nroad\t\t3\r\nbook    \t\r\n",
                   {"book", "house \t12x", "ice cream", "road\t\t3"}},
        FilterCase{"Utf8Mark", "\xEF\xBB\xBFhouse\r\ngarden\r\n", {"garden", "house"}},
        FilterCase{"Utf8WithoutMark", "caf\xC3\xA9\r\n", {"caf\xA8\xA6"}},
        FilterCase{"Utf16Le",
                   testing::Utf16Bytes(u"house\r\n中文\t2\r\n", false),
                   {"house", "\xD6\xD0\xCE\xC4"}},
        FilterCase{"Windows1252",
                   "caf\xE9\r\n\x93"
                   "quoted\x94\r\n",
                   {"caf\xA8\xA6", "\xA1\xB0quoted\xA1\xB1"}},
        FilterCase{"Cp936", "\xD6\xD0\xCE\xC4\r\n", {"\xD6\xD0\xCE\xC4"}},
        FilterCase{"NulEndsTheText", std::string("a\r\nb\0c\r\n", 8), {"a", "b"}},
        FilterCase{"EmptyFile", "", {}}),
    [](const auto& info) { return info.param.name; });

TEST(LoadFilterListTest, AMissingFileLeavesTheTableEmpty) {
  testing::TempFolder folder;
  THashTable table;
  table.AddCount(u"old", 1);
  const std::string missing = folder / "none.txt";
  EXPECT_EQ(testing::ErrorText([&] { LoadFilterList(table, missing); }),
            "Cannot open file \"" + missing + "\". No such file or directory");
  EXPECT_EQ(table.ItemCount(), 0);
}

TEST(LoadFilterListTest, GivesItemsAsLoadFromTextDoes) {
  testing::TempFolder folder;
  THashTable table;
  LoadFilterList(table, folder.Write("list.txt", "house               \t12\r"));
  EXPECT_THAT(Items(table), ElementsAre("house= 1 1 1"));
}

TEST(LoadFromDatTest, AddsEveryEntryAsItIsWithValueOne) {
  testing::TempFolder folder;
  THashTable table;
  table.AddCount(u"old", 5);
  LoadFromDat(table, folder.Write("list.dat", testing::Hex("02 03 01 06 03 20 61 20 06 01 61 "
                                                           "12 00 00 00 00 00")));
  EXPECT_EQ(table.ItemCount(), 3);
  EXPECT_TRUE(table.Contains(u" a "));
  EXPECT_TRUE(table.Contains(u""));
  EXPECT_FALSE(table.Contains(u"old"));
  THashItem item;
  table.GetItem(u"a", item);
  EXPECT_EQ(item.Value, u"1");
}

TEST(LoadFromDatTest, KeepsTheEntriesReadBeforeABreak) {
  testing::TempFolder folder;
  THashTable table;
  table.AddCount(u"old", 5);
  EXPECT_THROW(LoadFromDat(table, folder.Write("cut.dat", testing::Hex("02 03 01 06 01 61 06"))),
               Error);
  EXPECT_EQ(table.ItemCount(), 1);
  EXPECT_TRUE(table.Contains(u"a"));
  EXPECT_THROW(LoadFromDat(table, folder / "none.dat"), Error);
  EXPECT_THAT(table.Keys(), IsEmpty());
}

}  // namespace
}  // namespace tarn
