#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "documents/DocumentKinds.h"
#include "documents/HtmlReader.h"
#include "documents/OfficeFixture.h"
#include "support/TempFolder.h"
#include "text/CodePage936.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;

std::string Utf16Le(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

TEST(HtmlReaderTest, TakesTheEncodingFromTheMarkTheMetaOrTheBytes) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string line;  // code page 936
  };
  const auto cp936 = [](std::u16string_view text) { return Utf16ToCp936(text); };
  const std::string filler = "<p>" + std::string(70000, ' ') + "</p>";  // past the 8-bit sample
  const std::vector<Case> cases = {
      {"UTF-8 mark", "\xEF\xBB\xBF<p>caf\xC3\xA9 \xE4\xB8\xAD</p>", cp936(u"café 中")},
      {"UTF-16 mark", Utf16Le(u"<p>café “中文”</p>"), cp936(u"café “中文”")},
      {"meta charset gb2312 (read as GBK)",
       "<html><head><meta charset='gb2312'></head><body><p>\xD6\xD0\xCE\xC4 \x81\x40</p>",
       cp936(u"中文 丂")},
      {"http-equiv windows-1252",
       "<HTML><HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">"
       "</HEAD><BODY><P>\x93"
       "caf\xE9\x94</P>",
       cp936(u"“café”")},
      {"meta latin-1 (read as Windows-1252)",
       "<meta http-equiv=content-type content=\"text/html;charset=ISO-8859-1\"><p>\x93x\x94</p>",
       cp936(u"“x”")},
      {"meta utf-8 over bytes that are not", "<meta charset=utf-8><p>a\xFFz</p>",
       cp936(u"a\uFFFDz")},
      {"no declaration, UTF-8", "<p>caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D</p>", cp936(u"café “q”")},
      {"no declaration, Windows-1252", "<p>caf\xE9 \x93q\x94 the end</p>",
       cp936(u"café “q” the end")},
      {"no declaration, code page 936", "<p>\xD6\xD0\xCE\xC4\xB5\xC4\xCE\xC4\xD7\xD6</p>",
       cp936(u"中文的文字")},
      // Not UTF-8 after all, far into the file: the 8-bit sample, from its first byte beyond
      // ASCII, reads as code page 936.
      {"no declaration, late 8-bit", "<p>caf\xC3\xA9</p>" + filler + "<p>\xE9</p>", "caf\xC3\xA9"},
      {"a meta in a comment counts for nothing", "<!-- <meta charset=gbk> --><p>caf\xC3\xA9</p>",
       cp936(u"café")},
  };
  testing::TempFolder folder;
  for (const Case& c : cases) {
    testing::LineCollector sink;
    EXPECT_EQ(ReadHtml(folder.Write("page.html", c.bytes), sink), ConversionResult::kDone)
        << c.name;
    ASSERT_FALSE(sink.lines.empty()) << c.name;
    EXPECT_EQ(sink.lines.front(), c.line) << c.name;
  }
}

TEST(HtmlReaderTest, PrintsNothingOfWhatTheParserFindsWrong) {
  testing::TempFolder folder;
  const std::string page =
      folder.Write("bad.html",
                   "<html><body><p>a</q></x><<>>&#xFFFFFF;&bogus\x01\x02<p x>b</html>"
                   "</html><!-- open");
  const std::string err = folder / "stderr";
  std::fflush(stderr);
  const int saved = dup(2);
  std::FILE* capture = std::fopen(err.c_str(), "w");
  dup2(fileno(capture), 2);
  testing::LineCollector sink;
  const ConversionResult result = ReadHtml(page, sink);
  std::fflush(stderr);
  dup2(saved, 2);
  close(saved);
  std::fclose(capture);
  EXPECT_EQ(result, ConversionResult::kDone);
  EXPECT_EQ(testing::ReadBytes(err), "");
}

TEST(HtmlReaderTest, KindsAreKnownByNameAndByContent) {
  testing::TempFolder folder;
  const std::string zipped_book = folder / "book";
  testing::WriteZip(zipped_book, {{"mimetype", "application/epub+zip"}, {"x", "y"}});
  const std::string other_zip = folder / "archive";
  testing::WriteZip(other_zip, {{"x", "y"}, {"mimetype", "application/epub+zip"}});
  const std::vector<std::pair<std::string, DocumentKind>> cases = {
      {"novel.epub", DocumentKind::kEpub},
      {"/a/NOVEL.EPUB", DocumentKind::kEpub},
      {"page.htm", DocumentKind::kHtml},
      {"page.HTML", DocumentKind::kHtml},
      {"page.xhtml", DocumentKind::kHtml},
      {"page.html.txt", DocumentKind::kText},
      {folder.Write("saved",
                    "\xEF\xBB\xBF \r\n<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">"),
       DocumentKind::kHtml},
      {folder.Write("plain", "\n\t<Html lang=en>"), DocumentKind::kHtml},
      {folder.Write("wide", std::string("\xFF\xFE<\0h\0t\0m\0l\0>\0", 14)), DocumentKind::kHtml},
      {folder.Write("notes", "html is a markup language"), DocumentKind::kText},
      {folder.Write("later", "Hello <html>"), DocumentKind::kText},
      {zipped_book, DocumentKind::kEpub},
      {other_zip, DocumentKind::kText},
  };
  for (const auto& [name, kind] : cases) EXPECT_EQ(KindOfDocument(name), kind) << name;
}

}  // namespace
}  // namespace tarn
