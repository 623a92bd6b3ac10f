#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/HexBytes.h"
#include "support/TempFolder.h"
#include "text/Error.h"
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
