#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "morphology/DictFixture.h"
#include "morphology/LexiconCommands.h"
#include "morphology/LexiconLoader.h"
#include "support/ErrorText.h"
#include "support/FakeUserPort.h"
#include "text/Lines.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

std::vector<std::string> SortedKeys(const THashTable& table) {
  std::vector<std::string> keys = table.Keys();
  std::sort(keys.begin(), keys.end());
  return keys;
}

TEST(LexiconLoaderTest, LoadsEachFileIntoItsTableTrimmingTextListsAndKeepingDuplicates) {
  testing::TempFolder folder;
  const std::string dict = testing::WriteDict(folder, testing::SmallDict());
  folder.Write("dict/compare.txt", "  house \r\n\r\n   \r\nhouse\r\n\tgarden\n");
  Lexicon lexicon;
  lexicon.IrregularPairs = {"stale"};
  LoadLexicon(dict, lexicon);

  EXPECT_EQ(lexicon.folder, dict);
  EXPECT_THAT(SortedKeys(*lexicon.FilterWords), ElementsAre("garden", "house", "house"));
  EXPECT_THAT(lexicon.IrregularPairs, ElementsAre("went", "go", "children", "child"));
  EXPECT_THAT(SortedKeys(*lexicon.EEndWords), ElementsAre("hope", "make"));
  EXPECT_THAT(SortedKeys(*lexicon.RecallWords), ElementsAre("has", "this"));
  EXPECT_THAT(SortedKeys(*lexicon.DoubleConsonantWords), ElementsAre("add", "call"));
  EXPECT_THAT(SortedKeys(*lexicon.StopWords), ElementsAre("a", "the"));
}

// An editor's byte-order mark must not hide the first filter word.
TEST(LexiconLoaderTest, ReadsTheFilterListByItsMark) {
  testing::TempFolder folder;
  const std::string dict = testing::WriteDict(folder, testing::SmallDict());
  folder.Write("dict/compare.txt", "\xEF\xBB\xBFhouse\r\ngarden\r\n");
  Lexicon lexicon;
  LoadLexicon(dict, lexicon);
  EXPECT_THAT(SortedKeys(*lexicon.FilterWords), ElementsAre("garden", "house"));
}

TEST(LexiconLoaderTest, TheFirstUnreadableFileEndsTheLoadingAndLeavesTheLaterTablesEmpty) {
  for (size_t missing = 0; missing < std::size(kLexiconFiles); ++missing) {
    SCOPED_TRACE(kLexiconFiles[missing]);
    testing::TempFolder folder;
    const std::string dict = testing::WriteDict(folder, testing::SmallDict());
    const std::string path = dict + "/" + kLexiconFiles[missing];
    Lexicon lexicon;
    LoadLexicon(dict, lexicon);  // a full lexicon first: loading again must not keep its tables
    std::filesystem::remove(path);

    EXPECT_EQ(testing::ErrorText([&] { LoadLexicon(dict, lexicon); }),
              testing::MissingFileMessage(path));
    const size_t sizes[] = {static_cast<size_t>(lexicon.FilterWords->ItemCount()),
                            lexicon.IrregularPairs.size(),
                            static_cast<size_t>(lexicon.EEndWords->ItemCount()),
                            static_cast<size_t>(lexicon.RecallWords->ItemCount()),
                            static_cast<size_t>(lexicon.DoubleConsonantWords->ItemCount()),
                            static_cast<size_t>(lexicon.StopWords->ItemCount())};
    const size_t loaded[] = {2, 4, 2, 2, 2, 2};
    for (size_t table = 0; table < std::size(sizes); ++table) {
      EXPECT_EQ(sizes[table], table < missing ? loaded[table] : 0) << kLexiconFiles[table];
    }
  }
}

TEST(LexiconLoaderTest, PrefersTheDictFolderBesideTheExecutable) {
  testing::TempFolder folder;
  EXPECT_EQ(ChooseDictFolder(folder / "", "/opt/tarn/dict"), "/opt/tarn/dict");
  EXPECT_EQ(ChooseDictFolder("", "/opt/tarn/dict"), "/opt/tarn/dict");
  std::filesystem::create_directory(folder.path() / "dict");
  EXPECT_EQ(ChooseDictFolder(folder.path().string(), "/opt/tarn/dict"), folder / "dict");
}

class LexiconCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dict_ = testing::WriteDict(folder_, {{"pear", "Banana", "apple", "cherry", "apple"},
                                         {"went", "go", "mice", "mouse", "odd"},
                                         {"hope", "make", "write", "hope"},
                                         {"this"},
                                         {"call"},
                                         {"the", "An", "a"}});
    LoadLexicon(dict_, lexicon_);
  }

  testing::TempFolder folder_;
  std::string dict_;
  Lexicon lexicon_;
  testing::FakeUserPort port_;
};

TEST_F(LexiconCommandsTest, FilterAndStopWordsShowSortedIgnoringCaseTheOthersInTheirOwnOrder) {
  const LexiconCommands commands(lexicon_);
  EXPECT_EQ(commands.ShowText(LexiconTable::kFilterWords),
            "apple\r\napple\r\nBanana\r\ncherry\r\npear\r\n");
  EXPECT_EQ(commands.ShowText(LexiconTable::kStopWords), "a\r\nAn\r\nthe\r\n");
  EXPECT_EQ(commands.ShowText(LexiconTable::kIrregularPairs),
            "went\r\ngo\r\nmice\r\nmouse\r\nodd\r\n");
  EXPECT_EQ(commands.ShowText(LexiconTable::kEEndWords), JoinLines(lexicon_.EEndWords->Keys()));
  EXPECT_THAT(lexicon_.EEndWords->Keys(), UnorderedElementsAre("hope", "make", "write", "hope"));
  EXPECT_EQ(commands.ShowText(LexiconTable::kRecallWords), "this\r\n");
  EXPECT_EQ(commands.ShowText(LexiconTable::kDoubleConsonantWords), "call\r\n");
  Lexicon empty;
  EXPECT_EQ(LexiconCommands(empty).ShowText(LexiconTable::kStopWords), "");
}

TEST_F(LexiconCommandsTest, ReloadAsksInTheStoplistFolderAndReplacesTheFilterWords) {
  const std::string house = folder_.Write("house.txt", "house\r\n");
  port_.open_answers = {testing::Chosen(house)};
  EXPECT_TRUE(LexiconCommands(lexicon_).ReloadFilterWords(port_));
  ASSERT_EQ(port_.open_requests.size(), 1u);
  EXPECT_EQ(port_.open_requests[0].filter, "Txt文件(*.Txt)|*.txt");
  EXPECT_EQ(port_.open_requests[0].initial_folder, dict_ + "/stoplist/");
  EXPECT_THAT(lexicon_.FilterWords->Keys(), ElementsAre("house"));
}

// "保存当前词表" after a view writes listing lines; loaded back, they filter their words.
TEST_F(LexiconCommandsTest, ReloadOfASavedListingFiltersItsWords) {
  const std::string saved =
      folder_.Write("saved.txt", "house               \t12\rgarden              \t3\r");
  port_.open_answers = {testing::Chosen(saved)};
  EXPECT_TRUE(LexiconCommands(lexicon_).ReloadFilterWords(port_));
  EXPECT_THAT(SortedKeys(*lexicon_.FilterWords), ElementsAre("garden", "house"));
}

TEST_F(LexiconCommandsTest, ReloadOfAnEmptyFileEmptiesTheFilterWords) {
  port_.open_answers = {testing::Chosen(folder_.Write("empty.txt", ""))};
  EXPECT_TRUE(LexiconCommands(lexicon_).ReloadFilterWords(port_));
  EXPECT_EQ(lexicon_.FilterWords->ItemCount(), 0);
}

TEST_F(LexiconCommandsTest, ACancelledOrFailedReloadKeepsTheOldFilterWords) {
  const std::vector<std::string> before = lexicon_.FilterWords->Keys();
  port_.open_answers = {std::nullopt};
  EXPECT_FALSE(LexiconCommands(lexicon_).ReloadFilterWords(port_));
  EXPECT_EQ(lexicon_.FilterWords->Keys(), before);

  const std::string missing = folder_ / "none.txt";
  port_.open_answers = {testing::Chosen(missing)};
  EXPECT_EQ(testing::ErrorText([&] { LexiconCommands(lexicon_).ReloadFilterWords(port_); }),
            testing::MissingFileMessage(missing));
  EXPECT_EQ(lexicon_.FilterWords->Keys(), before);
}

}  // namespace
}  // namespace tarn
