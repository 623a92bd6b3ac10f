#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "analysis/CountingRun.h"
#include "analysis/StatisticsState.h"
#include "analysis/TableDump.h"
#include "support/ErrorText.h"
#include "support/FakeUserPort.h"
#include "support/TempFolder.h"
#include "text/CodePage936.h"
#include "text/Utf8.h"
#include "documents/DocumentSink.h"
#include "documents/DocumentConversion.h"
#include "wordlists/IntakeFixture.h"
#include "documents/OfficeFixture.h"
#include "documents/EpubFixture.h"
#include "wordtable/Hashtable.h"

namespace tarn {
namespace {

using testing::TableDump;

// Everything a run may change, for comparing before and after.
struct Snapshot {
  std::vector<std::pair<std::string, int64_t>> words, snapshot;
  int64_t total, distinct, stopped;
  bool loaded;
  std::string view, label;
  bool operator==(const Snapshot&) const = default;
};

class DocumentIntakeTest : public ::testing::Test {
 protected:
  DocumentIntakeTest() : run_(state_, stop_words_, port_, [] { return int64_t{0}; }) {}

  Snapshot Take() const {
    return {TableDump(*state_.WordTable),
            TableDump(state_.SnapshotTable()),
            state_.TotalWords,
            state_.DistinctWords,
            state_.StoppedDistinct,
            state_.DocumentLoaded,
            state_.text_view,
            state_.summary_label};
  }

  // A counted document, with the user's own edits in the view.
  void CountFirstDocument() {
    ASSERT_TRUE(run_.RunFile(folder_.Write("first.txt", "first document")));
    state_.text_view += "edited by hand";
  }

  StatisticsState state_;
  THashTable stop_words_{256};
  testing::FakeUserPort port_;
  testing::TempFolder folder_;
  CountingRun run_;
};

TEST_F(DocumentIntakeTest, ListsTheSameTextAlikeInEveryEncoding) {
  const std::u16string text =
      u"The “quiet” cat’s day—in 北京 … Don't stop.\r\nIt's the cat’s “DAY”!\r\n";
  const std::vector<std::pair<std::string, std::string>> files = {
      {"cp936.txt", Utf16ToCp936(text)},
      {"utf8-mark.txt", "\xEF\xBB\xBF" + Utf16ToUtf8(text)},
      {"utf8.txt", Utf16ToUtf8(text)},
      {"utf16le.txt", testing::Utf16Bytes(text, false)},
      {"utf16be.txt", testing::Utf16Bytes(text, true)},
  };
  std::vector<std::pair<std::string, int64_t>> first;
  for (const auto& [name, bytes] : files) {
    ASSERT_TRUE(run_.RunFile(folder_.Write(name, bytes))) << name;
    const auto listing = TableDump(*state_.WordTable);
    if (first.empty()) {
      first = listing;
      const std::map<std::string, int64_t> counts(listing.begin(), listing.end());
      EXPECT_EQ(counts, (std::map<std::string, int64_t>{{"the", 2},
                                                        {"quiet", 1},
                                                        {"cat", 2},
                                                        {"s", 2},
                                                        {"day", 2},
                                                        {"in", 1},
                                                        {"do", 1},
                                                        {"stop", 1},
                                                        {"it", 1}}));
    }
    EXPECT_EQ(listing, first) << name;
  }
}

TEST_F(DocumentIntakeTest, CurlyQuotesAndDashesInUtf8EatNoLetters) {
  ASSERT_TRUE(run_.RunFile(folder_.Write("quotes.txt", Utf16ToUtf8(u"“The” end—now –so"))));
  const auto listing = TableDump(*state_.WordTable);
  const std::map<std::string, int64_t> counts(listing.begin(), listing.end());
  EXPECT_EQ(counts,
            (std::map<std::string, int64_t>{{"the", 1}, {"end", 1}, {"now", 1}, {"so", 1}}));
}

TEST_F(DocumentIntakeTest, CountsDocxAndOdtByTheirText) {
  const std::string docx = folder_ / "Report.DOCX";
  testing::WriteDocx(docx,
                     "<w:p><w:r><w:t>Zipped words</w:t></w:r></w:p>"
                     "<w:p><w:r><w:t>words again</w:t></w:r></w:p>");
  ASSERT_TRUE(run_.RunFile(docx));
  EXPECT_EQ(state_.text_view,
            "words               \t2\ragain               \t1\rzipped              \t1\r");
  const std::string odt = folder_ / "notes.odt";
  testing::WriteOdt(odt, "<text:p>open<text:s/>document</text:p>");
  ASSERT_TRUE(run_.RunFile(odt));
  EXPECT_EQ(state_.TotalWords, 2);
  EXPECT_TRUE(port_.messages.empty());
}

TEST_F(DocumentIntakeTest, ConvertsAWordDocumentThroughTheConverter) {
  ConversionSettings settings;
  settings.word.program = testing::WriteScript(folder_, "converter", "echo Converted text");
  run_.SetConversion(settings);
  ASSERT_TRUE(run_.RunFile(folder_.Write("letter.Doc", "binary")));
  EXPECT_EQ(state_.TotalWords, 2);
  EXPECT_EQ(port_.busy_depth, 0);
}

TEST_F(DocumentIntakeTest, CountsAConvertedDocumentAsTheJoinedLinesOfItsText) {
  // Paragraphs long enough to come in pieces, with words, apostrophes and double-byte
  // characters across every cut, and many short ones: the counts are those of the lines.
  std::string body, odt_body;
  std::vector<std::string> lines;
  for (int i = 0; i < 3; ++i) {
    std::string paragraph;
    while (paragraph.size() < 150000 + 7 * static_cast<size_t>(i)) {
      paragraph += "Don't we'll 中文 it’s a" + std::to_string(paragraph.size() % 977) + "b ";
    }
    body += "<w:p><w:r><w:t>" + paragraph + "</w:t></w:r></w:p>";
    odt_body += "<text:p>" + paragraph + "</text:p>";
    lines.push_back(Utf8ToCp936(paragraph));
  }
  for (int i = 0; i < 2000; ++i) {
    body += "<w:p><w:r><w:t>line " + std::to_string(i) + " we'll</w:t></w:r></w:p>";
    odt_body += "<text:p>line " + std::to_string(i) + " we'll</text:p>";
    lines.push_back("line " + std::to_string(i) + " we'll");
  }
  ASSERT_TRUE(run_.RunLines(lines));
  const Snapshot expected = Take();
  const std::string docx = folder_ / "book.docx";
  testing::WriteDocx(docx, body);
  ASSERT_TRUE(run_.RunFile(docx));
  EXPECT_EQ(Take(), expected);
  const std::string odt = folder_ / "book.odt";
  testing::WriteOdt(odt, odt_body);
  ASSERT_TRUE(run_.RunFile(odt));
  EXPECT_EQ(Take(), expected);
}

TEST_F(DocumentIntakeTest, DocumentWithoutAParagraphEndsTheRunWithoutAMessage) {
  CountFirstDocument();
  Snapshot expected = Take();
  expected.view.clear();
  const std::string docx = folder_ / "blank.docx";
  testing::WriteDocx(docx, "");
  EXPECT_FALSE(run_.RunFile(docx));
  EXPECT_EQ(Take(), expected);
  EXPECT_TRUE(port_.messages.empty());
}

TEST_F(DocumentIntakeTest, FailedConversionNamesTheFileAndTheFailureAndChangesNothing) {
  CountFirstDocument();
  const Snapshot before = Take();
  // Larger than the cap below, and counted well past its first words before the cap stops it.
  std::string bomb_text;
  while (bomb_text.size() < (1 << 20)) bomb_text += "never counted ";
  const std::string bomb = folder_ / "bomb.docx";
  testing::WriteDocx(bomb, "<w:p><w:r><w:t>" + bomb_text + "</w:t></w:r></w:p>");
  std::string spaces;
  for (int i = 0; i < 200; ++i) spaces += "word<text:s text:c=\"1024\"/>";
  const std::string spaces_bomb = folder_ / "spaces.odt";
  testing::WriteOdt(spaces_bomb, "<text:p>" + spaces + "</text:p>");
  const std::string archive = testing::ReadBytes(bomb);
  const std::string bad_xml = folder_ / "badxml.docx";
  testing::WriteZip(bad_xml, {{"word/document.xml", testing::DocxXml("<w:p>words")}});
  const std::string no_content = folder_ / "nocontent.odt";
  testing::WriteZip(no_content, {{"mimetype", "application/vnd.oasis.opendocument.text"}});
  const std::string document = folder_.Write("report.doc", "plain words\r\n");
  const std::string no_spine = folder_ / "nospine.epub";
  testing::WriteZip(no_spine, {{"mimetype", "application/epub+zip"},
                               {"META-INF/container.xml", testing::ContainerXml()},
                               {"OEBPS/content.opf", "<package><manifest/></package>"}});
  std::string nested = "<p>words";
  for (int i = 0; i < 1000; ++i) nested += "<div>";
  struct Case {
    const char* name;
    std::string path;
    ConversionResult result;
    std::string program = "antiword";
  };
  using enum ConversionResult;
  const std::vector<Case> cases = {
      {"truncated .docx", folder_.Write("cut.docx", archive.substr(0, archive.size() / 2)),
       kDamaged},
      {".docx that is really text", folder_.Write("text.docx", "plain words\r\n"), kNotDocument},
      {"damaged .odt", folder_.Write("damaged.odt", "PK\x03\x04 and then nothing"), kDamaged},
      {"malformed XML", bad_xml, kDamaged},
      {"no content.xml", no_content, kDamaged},
      {"zip bomb", bomb, kTooLarge},
      {"spaces bomb", spaces_bomb, kTooLarge},
      {".doc that antiword rejects", document, kConverterFailed},
      {"converter exits with status 1", document, kConverterFailed,
       testing::WriteScript(folder_, "fails", "echo some words; exit 1")},
      {"missing antiword", document, kConverterMissing, folder_ / "no-antiword"},
      {"time-out", document, kConverterTimedOut, testing::WriteScript(folder_, "slow", "sleep 30")},
      {"EPUB without a spine", no_spine, kDamaged},
      {"page nested too deep", folder_.Write("deep.html", nested), kTooDeep},
  };
  for (const Case& c : cases) {
    ConversionSettings settings;
    settings.word.program = c.program;
    settings.word.time_limit = std::chrono::milliseconds(300);
    settings.limits.max_xml_bytes = 4 << 20;
    settings.limits.max_text_bytes = 512 << 10;
    settings.limits.max_spaces = 100000;
    run_.SetConversion(settings);
    port_.messages.clear();
    EXPECT_FALSE(run_.RunFile(c.path)) << c.name;
    EXPECT_EQ(port_.messages, std::vector<std::string>{ConversionMessage(c.result, c.path, KindOfDocument(c.path))})
        << c.name;
    EXPECT_EQ(Take(), before) << c.name;
    EXPECT_EQ(port_.busy_depth, 0) << c.name;
  }
}

TEST_F(DocumentIntakeTest, UnreadableFileGivesTheOpenErrorAndChangesNothing) {
  CountFirstDocument();
  const Snapshot before = Take();
  for (const char* name : {"missing.txt", "missing.doc", "missing.docx", "missing.odt"}) {
    const std::string path = folder_ / name;
    EXPECT_EQ(testing::ErrorText([&] { run_.RunFile(path); }),
              "Cannot open file \"" + path + "\". No such file or directory");
    EXPECT_EQ(Take(), before) << name;
  }
  EXPECT_THROW(run_.RunFile(folder_.path().string()), Error);
  EXPECT_EQ(Take(), before);
  EXPECT_TRUE(port_.messages.empty());
}

}  // namespace
}  // namespace tarn
