#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "documents/DocumentConversion.h"
#include "documents/OfficeFixture.h"
#include "documents/WordConversion.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"
#include "support/TestData.h"
#include "text/CodePage936.h"
#include "wordlists/FileBytes.h"
#include "wordlists/IntakeFixture.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;

TEST(DocumentKindTest, JudgesByTheEndOfTheName) {
  const std::vector<std::pair<std::string, DocumentKind>> cases = {
      {"report.doc", DocumentKind::kWord},     {"/a/report.DOC", DocumentKind::kWord},
      {"report.Doc", DocumentKind::kWord},     {"mydoc", DocumentKind::kWord},
      {"report.docx", DocumentKind::kDocx},    {"REPORT.DocX", DocumentKind::kDocx},
      {"notes.ODT", DocumentKind::kOdt},       {"notes.txt", DocumentKind::kText},
      {"report.doc.txt", DocumentKind::kText}, {"docx", DocumentKind::kText},
      {"文档.DOC", DocumentKind::kWord},       {"paper.PDF", DocumentKind::kPdf},
  };
  for (const auto& [name, kind] : cases) EXPECT_EQ(KindOfDocument(name), kind) << name;
}

class WordConversionTest : public ::testing::Test {
 protected:
  // Conversions must leave no file behind, in the temporary folder or beside the document.
  void SetUp() override {
    old_tmpdir_ = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
    ::setenv("TMPDIR", scratch_.path().c_str(), 1);
  }
  void TearDown() override {
    EXPECT_TRUE(scratch_.Names().empty());
    if (old_tmpdir_.empty()) {
      ::unsetenv("TMPDIR");
    } else {
      ::setenv("TMPDIR", old_tmpdir_.c_str(), 1);
    }
  }

  testing::TempFolder folder_;
  testing::TempFolder scratch_;
  std::string old_tmpdir_;
};

TEST_F(WordConversionTest, TakesTheConvertersUtf8OutputAsLines) {
  const std::string document = folder_.Write("report.doc", "binary");
  // The stand-in prints its arguments, then text in UTF-8 with every kind of line break, and a
  // NUL that ends the text.
  WordConversionSettings settings;
  settings.program = testing::WriteScript(
      folder_, "converter",
      "echo \"$@\"; printf 'caf\\303\\251 \\342\\200\\234\\344\\270\\255\\342\\200\\235\\n\\n"
      "cr\\rcrlf\\r\\nlfcr\\n\\rend\\000gone'");
  testing::LineCollector sink;
  EXPECT_EQ(ConvertWordDocument(document, sink, settings), ConversionResult::kDone);
  EXPECT_THAT(sink.lines, ElementsAre("-m UTF-8.txt -w 0 " + document, Utf16ToCp936(u"café “中”"),
                                      "", "cr", "crlf", "lfcr", "", "end"));
  EXPECT_FALSE(sink.line_open);
  EXPECT_EQ(folder_.Names(), (std::set<std::string>{"report.doc", "converter"}));
}

TEST_F(WordConversionTest, TellsWhyTheConverterFailed) {
  const std::string document = folder_.Write("report.doc", "not a Word document at all");
  struct Case {
    const char* name;
    std::string program;
    ConversionResult result;
  };
  using enum ConversionResult;
  const std::vector<Case> cases = {
      {"antiword rejects the document", "antiword", kConverterFailed},
      {"non-zero exit after output", testing::WriteScript(folder_, "fails", "echo text; exit 3"),
       kConverterFailed},
      {"killed by a signal", testing::WriteScript(folder_, "killed", "echo text; kill -9 $$"),
       kConverterFailed},
      {"missing program", folder_ / "no-such-program", kConverterMissing},
      {"not executable", folder_.Write("plain", "echo text"), kConverterMissing},
      // The helper it starts dies with it, or reading its output would wait for the helper.
      {"time-out", testing::WriteScript(folder_, "hangs", "echo partial; sleep 30 & wait"),
       kConverterTimedOut},
      {"quiet until the time-out", testing::WriteScript(folder_, "sleeps", "sleep 30"),
       kConverterTimedOut},
      {"more text than the cap", testing::WriteScript(folder_, "floods", "yes more words"),
       kTooLarge},
  };
  for (const Case& c : cases) {
    WordConversionSettings settings;
    settings.program = c.program;
    settings.time_limit = std::chrono::milliseconds(300);
    settings.max_text_bytes = 4096;
    testing::LineCollector sink;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ConvertWordDocument(document, sink, settings), c.result) << c.name;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << c.name;
    EXPECT_TRUE(sink.lines.empty()) << c.name;
  }
}

TEST(DocumentKindTest, KnowsAPdfWithoutItsEndingByItsHeader) {
  testing::TempFolder folder;
  const std::string download = folder.Write(
      "download", "\x1b%-12345X" + ReadFileBytes(testing::TestDataPath("documents/columns.pdf")));
  // Past the first 1024 bytes, the header is text like any other.
  const std::string text = folder.Write("notes", std::string(1024, ' ') + "%PDF-1.4\n");
  EXPECT_EQ(KindOfDocument(download), DocumentKind::kPdf);
  EXPECT_EQ(KindOfDocument(text), DocumentKind::kText);
  testing::LineCollector sink;
  EXPECT_EQ(ConvertDocument(download, DocumentKind::kPdf, sink), ConversionResult::kDone);
  EXPECT_EQ(sink.lines.front(), "The first column opens the book");
}

TEST(ConvertDocumentTest, GivesTheFileOpenErrorForAMissingDocument) {
  testing::TempFolder folder;
  for (const char* name : {"gone.doc", "gone.docx", "gone.odt", "gone.pdf"}) {
    const std::string path = folder / name;
    testing::LineCollector sink;
    EXPECT_EQ(testing::ErrorText([&] { ConvertDocument(path, KindOfDocument(path), sink); }),
              "Cannot open file \"" + path + "\". No such file or directory");
  }
}

TEST(ConvertDocumentTest, EachFailureHasASentenceOfItsOwnAfterThePath) {
  const std::string path = "/home/王/报告.docx";
  // The message the program has always shown for a document it cannot open.
  EXPECT_EQ(ConversionMessage(ConversionResult::kCannotOpen, path, DocumentKind::kDocx),
            path + " 可能已被打开!请关闭程序重新打开该文件");
  std::set<std::string> messages;
  for (ConversionResult result :
       {ConversionResult::kCannotOpen, ConversionResult::kNotDocument, ConversionResult::kDamaged,
        ConversionResult::kTooLarge, ConversionResult::kConverterMissing,
        ConversionResult::kConverterTimedOut, ConversionResult::kConverterFailed,
        ConversionResult::kEncrypted, ConversionResult::kNoTextLayer,
        ConversionResult::kTooDeep}) {
    const std::string message = ConversionMessage(result, path, DocumentKind::kDocx);
    EXPECT_TRUE(message.starts_with(path + " ")) << message;
    EXPECT_GT(message.size(), path.size() + 10) << message;
    messages.insert(message);
  }
  EXPECT_EQ(messages.size(), 10u);
}

}  // namespace
}  // namespace tarn
