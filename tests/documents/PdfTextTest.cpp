#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "documents/DocumentConversion.h"
#include "documents/OfficeFixture.h"
#include "documents/PdfText.h"
#include "support/TempFolder.h"
#include "support/TestData.h"
#include "wordlists/FileBytes.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string Fixture(const char* name) {
  return testing::TestDataPath(std::string("documents/") + name);
}

PdfSettings Knowing(std::vector<std::string> words) {
  PdfSettings settings;
  settings.known_words = std::make_shared<const KnownWords>(std::move(words));
  return settings;
}

TEST(PdfTextTest, ReadsPageAfterPageAndEachColumnToItsEnd) {
  const std::vector<std::string> expected = {
      "The first column opens the book", "and runs down the page.",
      "The second column stands beside it.", "The third column starts the second page.",
      "The fourth column ends it."};
  testing::LineCollector from_file;
  EXPECT_EQ(ReadPdfText(Fixture("columns.pdf"), from_file), ConversionResult::kDone);
  EXPECT_EQ(from_file.lines, expected);
  EXPECT_FALSE(from_file.line_open);

  testing::LineCollector from_bytes;
  EXPECT_EQ(ReadPdfBytes(ReadFileBytes(Fixture("columns.pdf")), from_bytes),
            ConversionResult::kDone);
  EXPECT_EQ(from_bytes.lines, expected);
}

// Typeset text draws fi and fl as one glyph and the apostrophe as a right single quote; the lines
// hold the letters and the apostrophe the word counter knows.
TEST(PdfTextTest, ReadsLigaturesAsLettersAndTheQuoteAsTheApostrophe) {
  testing::LineCollector sink;
  EXPECT_EQ(ReadPdfText(Fixture("typeset.pdf"), sink), ConversionResult::kDone);
  EXPECT_THAT(sink.lines, ElementsAre("The first flower of the field", "It's economy's sake"));
}

TEST(PdfTextTest, JoinsWordsSplitAtLineEndsWhenTheWholeIsKnown) {
  testing::LineCollector joined;
  ASSERT_EQ(ReadPdfText(Fixture("hyphens.pdf"), joined,
                        Knowing({"representatives", "information", "international"})),
            ConversionResult::kDone);
  // "well-" / "known" stays apart; "inter-" / "national" is joined across the page end.
  EXPECT_THAT(joined.lines, ElementsAre("The first page names the representatives,",
                                        "who met in the well-", "known hall.", "INFORMATION",
                                        "about international", "trade was shared."));

  testing::LineCollector unknown;
  ASSERT_EQ(ReadPdfText(Fixture("hyphens.pdf"), unknown, Knowing({"wellknown"})),
            ConversionResult::kDone);
  EXPECT_THAT(unknown.lines,
              ElementsAre("The first page names the represen-", "tatives, who met in the wellknown",
                          "hall.", "INFORMA-", "TION about inter-", "national trade was shared."));
}

TEST(PdfTextTest, BadDocumentsSayWhatIsWrongAndHandOverNothing) {
  testing::TempFolder folder;
  const std::string whole = ReadFileBytes(Fixture("hyphens.pdf"));
  struct Case {
    const char* name;
    std::string path;
    ConversionResult result;
  };
  using enum ConversionResult;
  const std::vector<Case> cases = {
      {"locked by a password", Fixture("encrypted.pdf"), kEncrypted},
      {"pages that are images only", Fixture("image-only.pdf"), kNoTextLayer},
      {"cut in half", Fixture("truncated.pdf"), kDamaged},
      {"cut just before its end marker",
       folder.Write("cut.pdf", whole.substr(0, whole.rfind("%%EOF"))), kDamaged},
      {"a header, then nothing of a PDF", folder.Write("junk.pdf", "%PDF-1.4\nnot at all\n%%EOF\n"),
       kDamaged},
      {"no header", folder.Write("text.pdf", "plain words\n"), kNotDocument},
      {"empty", folder.Write("empty.pdf", ""), kNotDocument},
      {"missing", folder / "gone.pdf", kCannotOpen},
  };
  for (const Case& c : cases) {
    testing::LineCollector sink;
    EXPECT_EQ(ReadPdfText(c.path, sink), c.result) << c.name;
    EXPECT_THAT(sink.lines, IsEmpty()) << c.name;
  }

  PdfSettings small;
  small.max_text_bytes = 40;
  testing::LineCollector sink;
  EXPECT_EQ(ReadPdfText(Fixture("hyphens.pdf"), sink, small), kTooLarge);

  EXPECT_EQ(ConversionMessage(kNotDocument, "/书/a.pdf", DocumentKind::kPdf),
            "/书/a.pdf 不是 PDF 文档，无法读取其中的文字");
}

}  // namespace
}  // namespace tarn
