#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "analysis/AnalysisFixture.h"
#include "analysis/ExportText.h"
#include "analysis/TableDump.h"
#include "analysis/WordOrder.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"
#include "text/Collation.h"
#include "wordlists/DatFile.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;
using testing::ErrorText;
using ::testing::IsEmpty;
using testing::Listed;
using testing::ListedWord;
using testing::ReadBytes;
using testing::TableDump;
using ::testing::UnorderedElementsAreArray;

using Command = void (ListingCommands::*)();

class ListingCommandsTest : public testing::AnalysisFixture {
 protected:
  // Answers the next save dialog with `name` in the test's folder and filter `index`.
  std::string Answer(const std::string& name, int index = 1) {
    const std::string path = folder_ / name;
    port_.save_answers.push_back(DialogChoice{path, index});
    return path;
  }

  testing::TempFolder folder_;
};

TEST_F(ListingCommandsTest, SortsWaitForADocumentAndChangeNothing) {
  state_.text_view = "help text";
  state_.SnapshotTable().AddCount(u"b", 1);
  state_.SnapshotTable().AddCount(u"a", 2);
  const auto snapshot = TableDump(state_.SnapshotTable());
  for (const bool descending : {false, true}) {
    commands_.SortByCount(descending);
    commands_.SortByWord(descending);
  }
  EXPECT_EQ(port_.messages, std::vector<std::string>(4, "请打开一个文件进行分析！"));
  EXPECT_EQ(state_.text_view, "help text");
  EXPECT_EQ(TableDump(state_.SnapshotTable()), snapshot);
}

TEST_F(ListingCommandsTest, AnEmptySnapshotGivesAnEmptyViewAfterEverySort) {
  Fill(*lexicon_.StopWords, {"the", "of"});
  Count("the of");
  for (const bool descending : {false, true}) {
    state_.text_view = "x";
    commands_.SortByCount(descending);
    EXPECT_THAT(state_.text_view, IsEmpty());
    state_.text_view = "x";
    commands_.SortByWord(descending);
    EXPECT_THAT(state_.text_view, IsEmpty());
  }
}

TEST_F(ListingCommandsTest, CountSortsReorderTheSnapshot) {
  Count("b c c c a a");
  commands_.SortByCount(true);
  EXPECT_THAT(Listed(state_.text_view),
              ElementsAre(ListedWord("c", 3), ListedWord("a", 2), ListedWord("b", 1)));
  EXPECT_EQ(TableDump(state_.SnapshotTable()), Listed(state_.text_view));
  commands_.SortByCount(false);
  EXPECT_THAT(Listed(state_.text_view),
              ElementsAre(ListedWord("b", 1), ListedWord("a", 2), ListedWord("c", 3)));
  // The word sort shows the same lines and leaves the count order in the table.
  const std::vector<ListedWord> by_count = Listed(state_.text_view);
  commands_.SortByWord(false);
  EXPECT_THAT(Listed(state_.text_view), UnorderedElementsAreArray(by_count));
  EXPECT_EQ(TableDump(state_.SnapshotTable()), by_count);
}

TEST_F(ListingCommandsTest, WordSortsReverseEachOtherAndKeepTheSnapshotOrder) {
  Count("abcd abc b abc zebra ab a thisisaverylongwordindeed");
  const auto snapshot = TableDump(state_.SnapshotTable());
  commands_.SortByWord(false);
  const std::string ascending = state_.text_view;
  EXPECT_EQ(ascending,
            "a                   \t1\r\nab                  \t1\r\nabc                 \t2\r\n"
            "abcd                \t1\r\nb                   \t1\r\n"
            "thisisaverylongwordindeed\t1\r\nzebra               \t1\r\n");
  commands_.SortByWord(true);
  std::vector<std::string> lines = SplitLines(std::string_view(ascending));
  std::reverse(lines.begin(), lines.end());
  EXPECT_EQ(state_.text_view, JoinLines(lines));
  EXPECT_EQ(TableDump(state_.SnapshotTable()), snapshot);
}

TEST(WordOrderTest, KeysGiveWhatTheComparisonSortGives) {
  std::vector<std::u16string> lines = {u"Banana", u"apple",  u"b",      u"APPLE", u"apple pie",
                                       u"Äpfel",  u"zebra",  u"apple2", u"",      u"a\tb",
                                       u"Apple",  u"banana", u"ab",     u"a b",   u"zz"};
  std::vector<std::u16string> expected = lines;
  std::stable_sort(expected.begin(), expected.end(),
                   [](const std::u16string& a, const std::u16string& b) {
                     return CompareTextIgnoreCase(a, b) < 0;
                   });
  EXPECT_EQ(LinesInWordOrder(lines, false), expected);
  std::reverse(expected.begin(), expected.end());
  EXPECT_EQ(LinesInWordOrder(lines, true), expected);
}

TEST(WordOrderTest, ListingOrderIsTheComparisonSortOfItsLines) {
  THashTable table(256);
  std::mt19937 random(5);
  for (int i = 0; i < 600; ++i) {
    std::u16string word(1 + random() % 24, u'a');
    for (char16_t& c : word) c = static_cast<char16_t>(u'a' + random() % 26);
    table.AddCount(word, 1 + random() % 50);
  }
  const std::u16string listing = table.ListText(20);
  std::vector<std::u16string> lines = SplitLines(std::u16string_view(listing));
  std::stable_sort(lines.begin(), lines.end(),
                   [](const std::u16string& a, const std::u16string& b) {
                     return CompareTextIgnoreCase(a, b) < 0;
                   });
  EXPECT_EQ(ListingInWordOrder(listing, false), Utf16ToCp936(JoinLines(lines)));
  std::reverse(lines.begin(), lines.end());
  EXPECT_EQ(ListingInWordOrder(listing, true), Utf16ToCp936(JoinLines(lines)));
}

TEST(ExportTextTest, OneColumnListKeepsTheFirstWordOfEachLine) {
  struct Case {
    const char* name;
    std::string text;
    std::string column;
  };
  const Case cases[] = {
      {"listing lines", "walk                \t3\rwalked              \t1\r", "walk\r\nwalked\r\n"},
      {"19 letters, one space", "abcdefghijklmnopqrs \t7\r", "abcdefghijklmnopqrs\r\n"},
      {"a key of 20 letters or more has no space", "abcdefghijklmnopqrst\t2\r\n",
       "abcdefghijklmnopqrst\r\n"},
      {"a single-letter word of a listing", "a                   \t9\r", "a\r\n"},
      {"blank and single-character lines", "\r\n  \r\nx\r\n b \r\nok\r\n", "ok\r\n"},
      {"a plain word list", "apple\r\n  pear  \r\nfig", "apple\r\npear\r\nfig\r\n"},
      {"tab before space", "two\twords here\r\n", "two\r\n"},
      {"code page 936 text", "\xB4\xCA\xB1\xED \xC1\xBD\r\n\xB4\xCA\r\n",
       "\xB4\xCA\xB1\xED\r\n\xB4\xCA\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(OneColumnList(c.text), c.column) << c.name;
}

TEST(ExportTextTest, LineBreaksBecomeCrLfWithNothingAdded) {
  EXPECT_EQ(WithCrLfBreaks("a\rb\nc\r\nd\n\re"), "a\r\nb\r\nc\r\nd\r\n\r\ne");
  EXPECT_EQ(WithCrLfBreaks("a\t1\r"), "a\t1\r\n");
  EXPECT_EQ(WithCrLfBreaks(""), "");
}

TEST_F(ListingCommandsTest, ExportsWriteTheViewUnderTheirOwnExtension) {
  state_.text_view = "walk                \t3\rhand edit\r";
  const std::string view = "walk                \t3\r\nhand edit\r\n";
  struct Case {
    Command command;
    int filter_index;
    const char* extension;
    std::string bytes;
    const char* filter;
  };
  const Case cases[] = {
      {&ListingCommands::ExportXls, 1, ".Xls", view, "XLS文件(*.Xls)|*.Xls"},
      {&ListingCommands::ExportText, 1, ".txt", view,
       "普通文本文件(*.txt)|*.TXT|金山词霸生词本导入格式,只有一列单词(*.txt)|*.txt"},
      {&ListingCommands::ExportText, 2, ".txt", "walk\r\nhand\r\n",
       "普通文本文件(*.txt)|*.TXT|金山词霸生词本导入格式,只有一列单词(*.txt)|*.txt"},
      {&ListingCommands::SaveCurrentList, 1, ".txt", view,
       "文本文件(*.Txt)|*.txt|Dat文件(*.Dat)|*.dat"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter);
    folder_.Write("out.txt.txt", "an older, longer file");
    const std::string path = Answer("out.txt", c.filter_index);
    (commands_.*c.command)();
    // The typed extension stays and gets the command's own; an existing file is replaced.
    EXPECT_EQ(ReadBytes(path + c.extension), c.bytes);
    EXPECT_EQ(port_.save_requests.back().filter, c.filter);
    std::filesystem::remove(path + c.extension);
  }
  EXPECT_THAT(port_.messages, IsEmpty());
  EXPECT_EQ(state_.text_view, "walk                \t3\rhand edit\r");
}

TEST_F(ListingCommandsTest, CancelledDialogsWriteNothing) {
  for (const Command command : {&ListingCommands::ExportXls, &ListingCommands::ExportText,
                                &ListingCommands::SaveCurrentList}) {
    port_.save_answers.push_back(std::nullopt);
    (commands_.*command)();
  }
  EXPECT_EQ(port_.save_requests.size(), 3u);
  EXPECT_THAT(folder_.Names(), IsEmpty());
  EXPECT_THAT(port_.messages, IsEmpty());
}

TEST_F(ListingCommandsTest, AMissingFolderIsReportedWithTheFileName) {
  state_.text_view = "walk\r";
  struct Case {
    Command command;
    int filter_index;
    const char* extension;
  };
  const Case cases[] = {{&ListingCommands::ExportXls, 1, ".Xls"},
                        {&ListingCommands::ExportText, 1, ".txt"},
                        {&ListingCommands::ExportText, 2, ".txt"},
                        {&ListingCommands::SaveCurrentList, 1, ".txt"},
                        {&ListingCommands::SaveCurrentList, 2, ".dat"}};
  for (const Case& c : cases) {
    const std::string path = Answer("missing/out", c.filter_index);
    EXPECT_EQ(ErrorText([&] { (commands_.*c.command)(); }),
              "Cannot create file \"" + path + c.extension + "\". No such file or directory");
  }
  EXPECT_THAT(folder_.Names(), IsEmpty());
  EXPECT_THAT(port_.messages, IsEmpty());
}

TEST_F(ListingCommandsTest, DatSaveStoresWholeLinesAndBacksUpTheFileItReplaces) {
  Count("walk walk a b");
  commands_.SortByCount(true);
  state_.text_view += "\r";  // an empty line is an entry too
  const std::string path = Answer("list.dat", 2);
  folder_.Write("list.dat", "typed name");
  folder_.Write("list.dat.dat", "old list");
  commands_.SaveCurrentList();
  EXPECT_THAT(LoadDatList(path + ".dat"),
              ElementsAre("walk                \t2", "a                   \t1",
                          "b                   \t1", ""));
  EXPECT_EQ(ReadBytes(folder_ / "list.dat.BAK"), "old list");
  EXPECT_EQ(ReadBytes(folder_ / "list.dat"), "typed name");
  EXPECT_THAT(port_.messages,
              ElementsAre("生成的词典共包含4个词！ 生成的词典文件是" + path + ".dat，请查看"));
}

TEST_F(ListingCommandsTest, DatSaveStopsWhenTheBackupNameIsTaken) {
  state_.text_view = "apple\rpear\r";
  Answer("list", 2);
  folder_.Write("list.dat", "old list");
  folder_.Write("list.BAK", "older list");
  EXPECT_EQ(ErrorText([&] { commands_.SaveCurrentList(); }), "备份文件不成功！");
  EXPECT_EQ(ReadBytes(folder_ / "list.dat"), "old list");
  EXPECT_EQ(ReadBytes(folder_ / "list.BAK"), "older list");
  EXPECT_THAT(folder_.Names(), ElementsAre("list.BAK", "list.dat"));
  EXPECT_THAT(port_.messages, IsEmpty());
}

}  // namespace
}  // namespace tarn
