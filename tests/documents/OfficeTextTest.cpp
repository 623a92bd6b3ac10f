#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/TempFolder.h"
#include "text/CodePage936.h"
#include "text/Utf8.h"
#include "documents/OfficeFixture.h"
#include "documents/OfficeText.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;

// The lines of the document at `path`, expecting it to be read whole.
std::vector<std::string> Lines(const std::string& path, OfficeFormat format) {
  testing::LineCollector sink;
  EXPECT_EQ(ReadOfficeText(path, format, sink), ConversionResult::kDone) << path;
  EXPECT_FALSE(sink.line_open) << path;
  return sink.lines;
}

TEST(OfficeTextTest, ReadsDocxParagraphsAsLines) {
  testing::TempFolder folder;
  const std::string path = folder / "report.docx";
  testing::WriteDocx(
      path,
      "<w:p><w:r><w:t>Hello </w:t></w:r><w:r><w:t xml:space=\"preserve\">world</w:t></w:r></w:p>"
      "<w:p><w:pPr><w:tabs><w:tab w:val=\"left\" w:pos=\"720\"/></w:tabs></w:pPr>"
      "<w:r><w:t>a</w:t><w:tab/><w:t>b</w:t><w:br/><w:t>c</w:t></w:r></w:p>"
      "<w:p/>"
      "<w:p><w:r><w:t>中文 &amp; “quotes”</w:t><w:delText>gone</w:delText>"
      "<w:instrText>PAGE</w:instrText></w:r></w:p>"
      // A text box: its paragraph stands on a line of its own, and the fallback copy of it is
      // not read twice.
      "<w:p><w:r><w:t>before</w:t></w:r><w:r><mc:AlternateContent><mc:Choice>"
      "<w:txbxContent><w:p><w:r><w:t>inside</w:t></w:r></w:p></w:txbxContent></mc:Choice>"
      "<mc:Fallback><w:txbxContent><w:p><w:r><w:t>inside</w:t></w:r></w:p></w:txbxContent>"
      "</mc:Fallback></mc:AlternateContent></w:r><w:r><w:t>after</w:t></w:r></w:p>");
  EXPECT_THAT(Lines(path, OfficeFormat::kDocx),
              ElementsAre("Hello world", "a\tb", "c", "", Utf16ToCp936(u"中文 & “quotes”"),
                          "before", "inside", "after"));
}

TEST(OfficeTextTest, ReadsOdtParagraphsAndHeadingsAsLines) {
  testing::TempFolder folder;
  const std::string path = folder / "report.odt";
  testing::WriteOdt(path,
                    "<text:h text:outline-level=\"1\">Title</text:h>"
                    "<text:p>a<text:s text:c=\"3\"/>b<text:tab/>c<text:line-break/>d<text:s/>"
                    "<text:span>span</text:span></text:p>"
                    "<text:p/>"
                    "<text:list><text:list-item><text:p>x\ny 北京</text:p></text:list-item>"
                    "</text:list>");
  EXPECT_THAT(Lines(path, OfficeFormat::kOdt),
              ElementsAre("Title", "a   b\tc", "d span", "", Utf16ToCp936(u"x y 北京")));
}

TEST(OfficeTextTest, HandsALongParagraphOverInPiecesThatJoinIntoIt) {
  testing::TempFolder folder;
  // Nothing but three-byte characters, so that a piece cut anywhere but between two splits one.
  std::string paragraph;
  while (paragraph.size() < 300000) paragraph += "中文“北京”";
  const std::string path = folder / "long.docx";
  // Text outside every paragraph ends no line, so it is no part of the text, however long.
  testing::WriteDocx(path, "<w:p><w:r><w:t>" + paragraph + "</w:t></w:r></w:p><w:p/>" +
                               "<w:r><w:t>" + paragraph + "</w:t></w:r>");
  testing::LineCollector sink;
  ASSERT_EQ(ReadOfficeText(path, OfficeFormat::kDocx, sink), ConversionResult::kDone);
  EXPECT_THAT(sink.lines, ElementsAre(Utf8ToCp936(paragraph), ""));
  EXPECT_GT(sink.pieces, 2u);
  EXPECT_FALSE(sink.line_open);
}

TEST(OfficeTextTest, TellsWhyADocumentIsNoSoundOne) {
  testing::TempFolder folder;
  const std::string body = "<w:p><w:r><w:t>" + std::string(20000, 'x') + "</w:t></w:r></w:p>";
  const std::string good = folder / "good.docx";
  testing::WriteDocx(good, body);
  const std::string archive = testing::ReadBytes(good);

  // The deflated document.xml, overwritten in its middle: the checksum or the inflation fails.
  std::string corrupted = archive;
  const size_t data = corrupted.find("word/document.xml") + 17;
  for (size_t i = data + 8; i < data + 24; ++i) corrupted[i] = '\xA5';

  struct Case {
    const char* name;
    std::string path;
    ConversionResult result;
    OfficeFormat format = OfficeFormat::kDocx;
  };
  const std::string no_document = folder / "bare.docx";
  testing::WriteZip(no_document, {{"word/other.xml", "<a/>"}});
  const std::string bad_xml = folder / "badxml.docx";
  testing::WriteZip(bad_xml, {{"word/document.xml", testing::DocxXml("<w:p>")}});
  const std::string odt_as_docx = folder / "really.docx";
  testing::WriteOdt(odt_as_docx, "<text:p>x</text:p>");
  using enum ConversionResult;
  const std::vector<Case> cases = {
      {"text file", folder.Write("text.docx", "Just some words\r\n"), kNotDocument},
      {"empty file", folder.Write("empty.odt", ""), kNotDocument, OfficeFormat::kOdt},
      {"truncated", folder.Write("cut.docx", archive.substr(0, archive.size() / 2)), kDamaged},
      {"cut after its signature", folder.Write("pk.odt", "PK"), kDamaged, OfficeFormat::kOdt},
      {"corrupted", folder.Write("corrupt.docx", corrupted), kDamaged},
      {"no document.xml", no_document, kDamaged},
      {"malformed XML", bad_xml, kDamaged},
      {"an .odt inside", odt_as_docx, kDamaged},
  };
  for (const Case& c : cases) {
    testing::LineCollector sink;
    EXPECT_EQ(ReadOfficeText(c.path, c.format, sink), c.result) << c.name;
  }
  EXPECT_THAT(Lines(good, OfficeFormat::kDocx), ElementsAre(std::string(20000, 'x')));
}

TEST(OfficeTextTest, StopsAtEachCapAndNotBelowIt) {
  testing::TempFolder folder;
  struct Case {
    const char* name;
    std::string path;
    OfficeFormat format;
    std::function<void(DocumentLimits&, size_t)> set;
    size_t cap;  // the smallest limit under which the document is read whole
  };
  // Each deflates to a few kilobytes.
  const std::string xml_body = "<w:p><w:r><w:t>" + std::string(4 << 20, 'a') + "</w:t></w:r></w:p>";
  const std::string xml = folder / "xml.docx";
  testing::WriteDocx(xml, xml_body);
  const std::string text = folder / "text.docx";
  testing::WriteDocx(text, "<w:p><w:r><w:t>" + std::string(100000, 'a') + "</w:t></w:r></w:p>");
  std::string paragraphs;
  for (int i = 0; i < 5000; ++i) paragraphs += "<w:p/>";
  const std::string lines = folder / "lines.docx";
  testing::WriteDocx(lines, paragraphs + "<w:p><w:r><w:br/></w:r></w:p>");
  std::string spaces = "<text:p>";
  for (int i = 0; i < 1000; ++i) spaces += "<text:s text:c=\"1024\"/>";
  const std::string odt = folder / "spaces.odt";
  testing::WriteOdt(odt, spaces + "<text:s text:c=\"99999\"/></text:p>");
  const std::vector<Case> cases = {
      {"XML", xml, OfficeFormat::kDocx,
       [](DocumentLimits& limits, size_t cap) { limits.max_xml_bytes = cap; },
       testing::DocxXml(xml_body).size()},
      // The text counts one byte for each line break.
      {"text", text, OfficeFormat::kDocx,
       [](DocumentLimits& limits, size_t cap) { limits.max_text_bytes = cap; }, 100001},
      {"lines", lines, OfficeFormat::kDocx,
       [](DocumentLimits& limits, size_t cap) { limits.max_lines = cap; }, 5002},
      // One element stands for at most 1024 spaces.
      {"spaces", odt, OfficeFormat::kOdt,
       [](DocumentLimits& limits, size_t cap) { limits.max_spaces = cap; }, 1001 * 1024},
  };
  for (const Case& c : cases) {
    EXPECT_LT(testing::ReadBytes(c.path).size(), size_t{64} << 10) << c.name;
    DocumentLimits limits;
    c.set(limits, c.cap - 1);
    testing::LineCollector sink;
    EXPECT_EQ(ReadOfficeText(c.path, c.format, sink, limits), ConversionResult::kTooLarge)
        << c.name;
    c.set(limits, c.cap);
    EXPECT_EQ(ReadOfficeText(c.path, c.format, sink, limits), ConversionResult::kDone) << c.name;
  }
}

}  // namespace
}  // namespace tarn
