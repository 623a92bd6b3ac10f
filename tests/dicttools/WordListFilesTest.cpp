#include <gtest/gtest.h>

#include "dicttools/WordListFiles.h"
#include "support/ErrorText.h"
#include "support/FakeUserPort.h"
#include "support/HexBytes.h"
#include "support/TempFolder.h"
#include "text/Utf8.h"

namespace tarn::dicttools {
namespace {

using testing::FakeUserPort;
using testing::Hex;
using testing::TempFolder;

constexpr std::string_view kAppleBookDat = "02 02 01 06 05 61 70 70 6C 65 06 04 62 6F 6F 6B 00";

TEST(WordListFilesTest, TheFormGoesByTheLastThreeCharactersOnly) {
  const struct {
    std::string_view name;
    bool dat;
  } cases[] = {{"list.DAT", true},       {"words.Dat", true}, {"mydat", true}, {"dat", true},
               {"words.dat.txt", false}, {"list.txt", false}, {"at", false},   {"", false}};
  for (const auto& c : cases) EXPECT_EQ(NamesDatForm(c.name), c.dat) << c.name;
}

TEST(WordListFilesTest, OpenReadsEitherFormAndNamesTheFile) {
  TempFolder folder;
  const std::string dat = folder.Write("list.DAT", Hex(kAppleBookDat));
  const std::string txt = folder.Write("list.txt", Hex("FF FE 61 00 0D 00 0A 00 2D 4E"));
  FakeUserPort port;
  port.open_answers = {DialogChoice{dat, 1}, DialogChoice{txt, 2}, std::nullopt};

  const auto from_dat = OpenWordList(port, "/app/dict/");
  ASSERT_TRUE(from_dat);
  EXPECT_EQ(Utf16ToUtf8(from_dat->text), "apple\r\nbook\r\n");
  EXPECT_EQ(Utf16ToUtf8(from_dat->caption), dat);
  EXPECT_EQ(Utf16ToUtf8(OpenWordList(port, "/app/dict/")->text), "a\r\n中");
  EXPECT_FALSE(OpenWordList(port, "/app/dict/"));  // cancelled

  ASSERT_EQ(port.open_requests.size(), 3u);
  EXPECT_EQ(port.open_requests[0].filter, "Text files (*.txt)|*.TXT|Dat files (*.dat)|*.dat");
  EXPECT_EQ(port.open_requests[0].initial_folder, "/app/dict/");
  EXPECT_EQ(port.busy_calls, 2);  // only the reads, not the cancel
  EXPECT_EQ(port.busy_depth, 0);
}

TEST(WordListFilesTest, AFailedReadThrowsAndRestoresTheCursor) {
  TempFolder folder;
  const std::string count_too_big = folder.Write("three.dat", Hex("02 03 01 06 01 61 06 01 62 00"));
  const std::string cut = folder.Write("cut.dat", Hex("02 02 01"));
  FakeUserPort port;
  port.open_answers = {DialogChoice{count_too_big, 2}, DialogChoice{cut, 2},
                       DialogChoice{folder / "none.txt", 1}};
  EXPECT_EQ(testing::ErrorText([&] { OpenWordList(port, ""); }), "Invalid property value");
  EXPECT_EQ(testing::ErrorText([&] { OpenWordList(port, ""); }), "Stream read error");
  EXPECT_EQ(testing::ErrorText([&] { OpenWordList(port, ""); }),
            "Cannot open file \"" + (folder / "none.txt") + "\". No such file or directory");
  EXPECT_EQ(port.busy_depth, 0);
}

TEST(WordListFilesTest, SaveWritesTheDictionaryToolsFormsThroughTheSaveDialog) {
  TempFolder folder;
  FakeUserPort port;
  port.save_answers = {DialogChoice{folder / "words", 2}, DialogChoice{folder / "Words", 1},
                       std::nullopt};
  SaveWordListText(port, u"Apple\r\nBook\r\n");
  SaveWordListText(port, u"Apple\r\n中\r\n");
  SaveWordListText(port, u"ignored");

  EXPECT_EQ(testing::ReadBytes(folder / "words.dat"), Hex(kAppleBookDat));
  EXPECT_EQ(testing::ReadBytes(folder / "Words.txt"), "apple\r\n\xD6\xD0\r\n");
  EXPECT_EQ(folder.Names().size(), 2u);
  ASSERT_EQ(port.save_requests.size(), 3u);
  EXPECT_EQ(port.save_requests[0].filter, "Txt文件(*.Txt)|*.txt|Dat文件(*.Dat)|*.Dat");
  ASSERT_EQ(port.messages.size(), 2u);
  EXPECT_EQ(port.messages[1], "保存成功！");
}

}  // namespace
}  // namespace tarn::dicttools
