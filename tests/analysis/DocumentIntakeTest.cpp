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
#include "wordlists/DocumentText.h"
#include "wordlists/IntakeFixture.h"
#include "wordlists/OfficeFixture.h"
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
            TableDump(*state_.SnapshotTable),
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

TEST_F(DocumentIntakeTest, FailedConversionShowsTheMessageAndChangesNothing) {
  CountFirstDocument();
  const Snapshot before = Take();
  std::string archive_text(1 << 20, 'a');
  const std::string bomb = folder_ / "bomb.docx";
  testing::WriteDocx(bomb, "<w:p><w:r><w:t>" + archive_text + "</w:t></w:r></w:p>");
  struct Case {
    const char* name;
    std::string path;
    std::string program = "antiword";
  };
  const std::vector<Case> cases = {
      {"damaged .docx", folder_.Write("damaged.docx", "PK\x03\x04 and then nothing")},
      {".docx that is really text", folder_.Write("text.docx", "plain words\r\n")},
      {"damaged .odt", folder_.Write("damaged.odt", "PK")},
      {"zip bomb", bomb},
      {".doc that antiword rejects", folder_.Write("report.doc", "plain words\r\n")},
      {"missing antiword", folder_ / "report.doc", folder_ / "no-antiword"},
      {"time-out", folder_ / "report.doc", testing::WriteScript(folder_, "slow", "sleep 30")},
  };
  for (const Case& c : cases) {
    ConversionSettings settings;
    settings.word.program = c.program;
    settings.word.time_limit = std::chrono::milliseconds(300);
    settings.max_office_xml_bytes = 64 << 10;
    run_.SetConversion(settings);
    port_.messages.clear();
    EXPECT_FALSE(run_.RunFile(c.path)) << c.name;
    EXPECT_EQ(port_.messages, std::vector<std::string>{c.path + std::string(kConversionFailed)})
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
