#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "documents/DocumentConversion.h"
#include "documents/EpubFixture.h"
#include "documents/EpubReader.h"
#include "support/TempFolder.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(EpubReaderTest, ReadsTheChaptersInTheSpinesOrder) {
  testing::TempFolder folder;
  const std::string path = folder / "book.epub";
  // The archive, the manifest and the spine each in an order of their own; the package in a
  // folder of its own, its chapters beside and above it; a picture in the reading order; fonts
  // obfuscated, which locks no text.
  const std::string manifest =
      testing::ChapterItem("b", "../Text/b.xhtml") +
      "<item id=\"cover\" href=\"cover.svg\" media-type=\"image/svg+xml\"/>" +
      testing::ChapterItem("a", "a%20one.xhtml#start") + testing::ChapterItem("c", "./c.xhtml");
  testing::WriteZip(
      path, {{"mimetype", "application/epub+zip"},
             {"META-INF/container.xml", testing::ContainerXml("OPS/pkg/book.opf")},
             {"META-INF/encryption.xml",
              "<encryption xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\" "
              "xmlns:enc=\"http://www.w3.org/2001/04/xmlenc#\"><enc:EncryptedData><enc:CipherData>"
              "<enc:CipherReference URI=\"OPS/pkg/font.otf\"/></enc:CipherData></enc:EncryptedData>"
              "</encryption>"},
             {"OPS/pkg/c.xhtml", testing::XhtmlChapter("<p>third</p>")},
             {"OPS/Text/b.xhtml", testing::XhtmlChapter("<h2>second</h2><p>chapter</p>")},
             {"OPS/pkg/a one.xhtml", testing::XhtmlChapter("<p>first</p>")},
             {"OPS/pkg/cover.svg", "<svg/>"},
             {"OPS/pkg/book.opf",
              testing::PackageXml(manifest, testing::SpineRef("cover") + testing::SpineRef("a") +
                                                testing::SpineRef("b") + testing::SpineRef("c"))}});
  testing::LineCollector sink;
  EXPECT_EQ(ReadEpub(path, sink), ConversionResult::kDone);
  EXPECT_THAT(sink.lines, ElementsAre("first", "second", "chapter", "third"));
}

TEST(EpubReaderTest, TellsWhyABookIsNoSoundOne) {
  testing::TempFolder folder;
  const std::string good = folder / "good.epub";
  testing::WriteEpub(good, {"<p>" + std::string(20000, 'x') + "</p>"});
  const std::string archive = testing::ReadBytes(good);

  const auto book = [&folder](const char* name, std::string package,
                              std::vector<std::pair<std::string, std::string>> more = {}) {
    const std::string path = folder / name;
    std::vector<std::pair<std::string, std::string>> entries = {
        {"mimetype", "application/epub+zip"},
        {"META-INF/container.xml", testing::ContainerXml()},
        {"OEBPS/content.opf", std::move(package)}};
    entries.insert(entries.end(), more.begin(), more.end());
    testing::WriteZip(path, entries);
    return path;
  };
  const std::string one = testing::ChapterItem("c1", "c1.xhtml");
  const std::pair<std::string, std::string> chapter = {"OEBPS/c1.xhtml",
                                                       testing::XhtmlChapter("<p>x</p>")};
  std::string bomb = "<?xml version=\"1.0\"?><!DOCTYPE html [<!ENTITY l0 \"lol\">";
  for (int i = 1; i < 12; ++i) {
    bomb += "<!ENTITY l" + std::to_string(i) + " \"";
    for (int j = 0; j < 10; ++j) bomb += "&l" + std::to_string(i - 1) + ";";
    bomb += "\">";
  }
  bomb += "]><html xmlns=\"http://www.w3.org/1999/xhtml\"><body><p>&l11;</p></body></html>";
  const std::string drm =
      "<encryption xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\" "
      "xmlns:enc=\"http://www.w3.org/2001/04/xmlenc#\"><enc:EncryptedData><enc:CipherData>"
      "<enc:CipherReference URI=\"OEBPS/c1.xhtml\"/></enc:CipherData></enc:EncryptedData>"
      "</encryption>";

  struct Case {
    const char* name;
    std::string path;
    ConversionResult result;
  };
  using enum ConversionResult;
  const std::vector<Case> cases = {
      {"text file", folder.Write("text.epub", "Just some words\r\n"), kNotDocument},
      {"a zip of something else",
       [&] {
         const std::string path = folder / "docx.epub";
         testing::WriteDocx(path, "<w:p/>");
         return path;
       }(),
       kNotDocument},
      {"truncated", folder.Write("cut.epub", archive.substr(0, archive.size() / 2)), kDamaged},
      {"no package document",
       [&] {
         const std::string path = folder / "nopackage.epub";
         testing::WriteZip(path, {{"mimetype", "application/epub+zip"},
                                  {"META-INF/container.xml", testing::ContainerXml()}});
         return path;
       }(),
       kDamaged},
      {"no spine",
       book("nospine.epub",
            "<package xmlns=\"http://www.idpf.org/2007/opf\"><manifest>" + one +
                "</manifest></package>",
            {chapter}),
       kDamaged},
      {"an empty spine", book("emptyspine.epub", testing::PackageXml(one, ""), {chapter}),
       kDamaged},
      {"spine names no item",
       book("noitem.epub", testing::PackageXml(one, testing::SpineRef("c2")), {chapter}), kDamaged},
      {"missing chapter", book("missing.epub", testing::PackageXml(one, testing::SpineRef("c1"))),
       kDamaged},
      {"malformed chapter",
       book("malformed.epub", testing::PackageXml(one, testing::SpineRef("c1")),
            {{"OEBPS/c1.xhtml", "<html><body><p>x</body></html>"}}),
       kDamaged},
      {"malformed package", book("badopf.epub", "<package><manifest>", {chapter}), kDamaged},
      {"locked chapters",
       book("drm.epub", testing::PackageXml(one, testing::SpineRef("c1")),
            {chapter, {"META-INF/encryption.xml", drm}}),
       kEncrypted},
      {"entity bomb",
       book("bomb.epub", testing::PackageXml(one, testing::SpineRef("c1")),
            {{"OEBPS/c1.xhtml", bomb}}),
       kTooLarge},
  };
  for (const Case& c : cases) {
    testing::LineCollector sink;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ReadEpub(c.path, sink), c.result) << c.name;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << c.name;
  }
  EXPECT_THAT(ConversionMessage(kNotDocument, folder / "text.epub", DocumentKind::kEpub),
              HasSubstr("text.epub 不是 EPUB 电子书"));
  testing::LineCollector sink;
  EXPECT_EQ(ReadEpub(good, sink), kDone);
  EXPECT_THAT(sink.lines, ElementsAre(std::string(20000, 'x')));
}

}  // namespace
}  // namespace tarn
