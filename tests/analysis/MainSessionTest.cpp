#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/MainSession.h"
#include "morphology/DictFixture.h"
#include "support/ErrorText.h"
#include "support/FakeUserPort.h"
#include "text/CodePage936.h"
#include "text/Lines.h"
#include "wordlists/TextFileStream.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;

constexpr char kSummary[] =
    "该文档共有单词数：4\r该文档出现过不同单词数：3\r该文档停用不同单词数：1\r"
    "该文档停用部分词后不同单词数：2";

class MainSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dict_ = testing::WriteDict(folder_, testing::SmallDict());
    session_.LoadLexicon(dict_);
  }

  testing::TempFolder folder_;
  std::string dict_;
  testing::FakeUserPort port_;
  MainSession session_{port_, [] { return int64_t{0}; }};
};

TEST_F(MainSessionTest, OpenAndCountCountsTheFirstChosenFileWithTheStopWords) {
  port_.open_answers = {testing::Chosen(folder_.Write("doc.txt", "the cat the dog\r\n"))};
  EXPECT_TRUE(session_.OpenAndCount());
  EXPECT_EQ(port_.open_requests[0].filter,
            "Text files (*.txt)|*.TXT|Word files (*.Doc)|*.Doc|"
            "Word 2007+ and OpenDocument (*.docx;*.odt)|*.docx;*.odt|"
            "PDF 文档 (*.pdf)|*.pdf;*.PDF|"
            "EPUB 电子书 (*.epub)|*.epub;*.EPUB|"
            "网页 (*.htm;*.html;*.xhtml)|*.htm;*.html;*.xhtml;*.HTM;*.HTML;*.XHTML|"
            "所有支持的文档|*.TXT;*.Doc;*.docx;*.odt;*.pdf;*.PDF;*.epub;*.EPUB;"
            "*.htm;*.html;*.xhtml;*.HTM;*.HTML;*.XHTML");
  EXPECT_EQ(session_.State().summary_label, kSummary);
  EXPECT_TRUE(session_.State().DocumentLoaded);
  EXPECT_GT(port_.busy_calls, 0);
  EXPECT_EQ(port_.busy_depth, 0);

  // A cancelled dialog changes nothing.
  port_.open_answers = {std::nullopt};
  const std::string listing = session_.State().text_view;
  EXPECT_FALSE(session_.OpenAndCount());
  EXPECT_EQ(session_.State().text_view, listing);
  EXPECT_EQ(session_.State().summary_label, kSummary);
}

// A file run whose counting a host runs gives what the plain run gives, its progress ending at
// the file's size even when the text proves to be no UTF-8 and is read again; a cancelled run
// leaves the statistics of the document before as they were.
TEST_F(MainSessionTest, AHostedFileRunEndsAtItsSizeAndACancelChangesNothing) {
  std::string text;
  while (text.size() < 2 * kTextBlockSize + 1000) text += "the cat sat on a dog\r\n";
  text += "\xC4\xE3 cat\r\n";  // code page 936: the UTF-8 guess fails in the third block
  const std::string path = folder_.Write("doc.txt", text);
  ASSERT_TRUE(session_.CountFile(path));
  const std::string plain = session_.State().summary_label + session_.State().text_view;

  RunProgress progress;
  ASSERT_TRUE(session_.CountFile(path, [&](const auto& counting) { counting(&progress); }));
  EXPECT_EQ(session_.State().summary_label + session_.State().text_view, plain);
  const RunProgress::Figures figures = progress.Now();
  EXPECT_EQ(figures.files_done, 1u);
  EXPECT_EQ(figures.files_total, 1u);
  EXPECT_EQ(figures.bytes_done, text.size());
  EXPECT_EQ(figures.bytes_total, text.size());
  EXPECT_EQ(figures.current_file, path);

  const uint64_t runs = session_.State().completed_runs;
  RunProgress cancelled;
  cancelled.Cancel();
  const std::string other = folder_.Write("other.txt", "zebra\r\n");
  EXPECT_THROW(session_.CountFile(other, [&](const auto& counting) { counting(&cancelled); }),
               RunCancelled);
  EXPECT_EQ(session_.State().summary_label + session_.State().text_view, plain);
  EXPECT_EQ(session_.State().completed_runs, runs);
  EXPECT_EQ(port_.busy_depth, 0);
}

TEST_F(MainSessionTest, TheClipboardTextReplacesTheTextViewAndIsCounted) {
  port_.clipboard = "中文 Cat\r\ncat";
  session_.CountClipboard();
  EXPECT_EQ(session_.State().TotalWords, 2);
  EXPECT_EQ(Cp936ToUtf16(session_.State().text_view), u"cat                 \t2\r");
  EXPECT_THAT(session_.State().SnapshotTable().Keys(), ElementsAre("cat"));

  // Without text on the clipboard: an empty count, and a document all the same.
  MainSession fresh(port_);
  port_.clipboard.reset();
  fresh.CountClipboard();
  EXPECT_EQ(fresh.State().summary_label,
            "该文档共有单词数：0\r该文档出现过不同单词数：0\r该文档停用部分词后不同单词数：0\r"
            "该文档停用不同单词数：0");
  EXPECT_TRUE(fresh.State().DocumentLoaded);
}

TEST_F(MainSessionTest, OnlyTheFilterAndStopWordViewersEmptyTheSummary) {
  const struct {
    LexiconTable table;
    std::string text;
    bool empties_summary;
  } cases[] = {
      {LexiconTable::kFilterWords, "garden\r\nhouse\r\n", true},
      {LexiconTable::kIrregularPairs, "went\r\ngo\r\nchildren\r\nchild\r\n", false},
      {LexiconTable::kRecallWords, JoinLines(session_.Words().RecallWords->Keys()), false},
      {LexiconTable::kEEndWords, JoinLines(session_.Words().EEndWords->Keys()), false},
      {LexiconTable::kDoubleConsonantWords,
       JoinLines(session_.Words().DoubleConsonantWords->Keys()), false},
      {LexiconTable::kStopWords, "a\r\nthe\r\n", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    session_.State().summary_label = "label";
    session_.ShowTable(c.table);
    EXPECT_EQ(session_.State().text_view, c.text);
    EXPECT_EQ(session_.State().summary_label, c.empties_summary ? "" : "label");
    EXPECT_FALSE(session_.State().DocumentLoaded);
  }
}

TEST_F(MainSessionTest, AReloadedFilterListIsTheOneTheFilteredViewsRemove) {
  port_.open_answers = {testing::Chosen(folder_.Write("house.txt", "house\r\n"))};
  ASSERT_TRUE(session_.ReloadFilterWords());
  EXPECT_EQ(port_.open_requests[0].initial_folder, dict_ + "/stoplist/");
  port_.clipboard = "house garden the house";
  session_.CountClipboard();
  auto filtered = session_.State().WordTable->Clone();
  filtered->Subtract(*session_.Words().FilterWords);
  EXPECT_THAT(filtered->Keys(), ElementsAre("garden"));
}

TEST_F(MainSessionTest, BaseFormCommandUsesTheLexicon) {
  const struct {
    std::string box;
    std::string after;
  } cases[] = {
      {"studied", "study"}, {"Went", "go"},        {"hoped", "hope"}, {"called", "call"},
      {"this", "this"},     {"the", "the"},        {"go", "go"},      {"walked ", "walked"},
      {"child", "child"},   {"children", "child"},
  };
  for (const auto& c : cases) EXPECT_EQ(session_.BaseFormCommand(c.box), c.after) << c.box;
}

TEST(MainSessionLoadTest, AMissingTableLeavesTheLaterOnesEmptyAndEveryCommandStillWorks) {
  testing::TempFolder folder;
  const std::string dict = testing::WriteDict(folder, testing::SmallDict());
  std::filesystem::remove(dict + "/2.dat");
  testing::FakeUserPort port;
  MainSession session(port);
  EXPECT_EQ(testing::ErrorText([&] { session.LoadLexicon(dict); }),
            testing::MissingFileMessage(dict + "/2.dat"));
  EXPECT_EQ(session.Words().FilterWords->ItemCount(), 2);
  EXPECT_EQ(session.Words().IrregularPairs.size(), 4u);

  // No stop words: "the" is counted; the irregular list still answers.
  EXPECT_TRUE(session.CountFile(folder.Write("doc.txt", "the cat the dog\r\n")));
  EXPECT_EQ(session.State().StoppedDistinct, 0);
  EXPECT_EQ(session.BaseFormCommand("went"), "go");
  EXPECT_EQ(session.BaseFormCommand("this"), "thi");  // no recall list keeps it whole
  for (const LexiconTable table : {LexiconTable::kEEndWords, LexiconTable::kRecallWords,
                                   LexiconTable::kDoubleConsonantWords, LexiconTable::kStopWords}) {
    session.ShowTable(table);
    EXPECT_EQ(session.State().text_view, "");
  }
  port.clipboard = "the cat";
  session.CountClipboard();
  EXPECT_EQ(session.State().DistinctWords, 2);
}

}  // namespace
}  // namespace tarn
