#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempFolder.h"
#include "text/CodePage936.h"
#include "wordlists/OfficeFixture.h"
#include "wordlists/OfficeText.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;
using ::testing::Optional;

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
  EXPECT_THAT(ReadOfficeText(path, OfficeFormat::kDocx),
              Optional(ElementsAre("Hello world", "a\tb", "c", "", Utf16ToCp936(u"中文 & “quotes”"),
                                   "before", "inside", "after")));
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
  EXPECT_THAT(ReadOfficeText(path, OfficeFormat::kOdt),
              Optional(ElementsAre("Title", "a   b\tc", "d span", "", Utf16ToCp936(u"x y 北京"))));
}

TEST(OfficeTextTest, RefusesWhatIsNoSoundDocument) {
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
    OfficeFormat format = OfficeFormat::kDocx;
  };
  const std::string no_document = folder / "bare.docx";
  testing::WriteZip(no_document, {{"word/other.xml", "<a/>"}});
  const std::string bad_xml = folder / "badxml.docx";
  testing::WriteZip(bad_xml, {{"word/document.xml", testing::DocxXml("<w:p>")}});
  const std::string odt_as_docx = folder / "really.docx";
  testing::WriteOdt(odt_as_docx, "<text:p>x</text:p>");
  const std::vector<Case> cases = {
      {"text file", folder.Write("text.docx", "Just some words\r\n")},
      {"empty file", folder.Write("empty.odt", ""), OfficeFormat::kOdt},
      {"truncated", folder.Write("cut.docx", archive.substr(0, archive.size() / 2))},
      {"corrupted", folder.Write("corrupt.docx", corrupted)},
      {"no document.xml", no_document},
      {"malformed XML", bad_xml},
      {"an .odt inside", odt_as_docx},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadOfficeText(c.path, c.format), std::nullopt) << c.name;
  EXPECT_TRUE(ReadOfficeText(good, OfficeFormat::kDocx).has_value());
}

TEST(OfficeTextTest, StopsInflatingAtTheCap) {
  testing::TempFolder folder;
  // 4 MB of one letter deflates to a few kilobytes.
  const std::string path = folder / "bomb.docx";
  testing::WriteDocx(path, "<w:p><w:r><w:t>" + std::string(4 << 20, 'a') + "</w:t></w:r></w:p>");
  EXPECT_LT(testing::ReadBytes(path).size(), size_t{64} << 10);
  EXPECT_EQ(ReadOfficeText(path, OfficeFormat::kDocx, size_t{1} << 20), std::nullopt);
  EXPECT_TRUE(ReadOfficeText(path, OfficeFormat::kDocx, size_t{8} << 20).has_value());
}

}  // namespace
}  // namespace tarn
