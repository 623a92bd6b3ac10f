// What HTML pages and EPUB chapters give as lines: one set of cases read both ways, so that the
// tag-soup parser and the XML parser behind the two readers agree.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "documents/EpubFixture.h"
#include "documents/EpubReader.h"
#include "documents/HtmlReader.h"
#include "support/TempFolder.h"
#include "text/CodePage936.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;

struct Read {
  ConversionResult result;
  std::vector<std::string> lines;
};

Read ReadPage(const std::string& path, const DocumentLimits& limits = {}) {
  testing::LineCollector sink;
  const ConversionResult result = ReadHtml(path, sink, limits);
  EXPECT_FALSE(result == ConversionResult::kDone && sink.line_open) << path;
  return {result, sink.lines};
}

Read ReadBook(const std::string& path, const DocumentLimits& limits = {}) {
  testing::LineCollector sink;
  const ConversionResult result = ReadEpub(path, sink, limits);
  EXPECT_FALSE(result == ConversionResult::kDone && sink.line_open) << path;
  return {result, sink.lines};
}

// An HTML page whose body holds `body`.
std::string Page(std::string_view body) {
  return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Page title</title>"
         "<style>p { color: red }</style></head><body>" +
         std::string(body) + "</body></html>";
}

TEST(MarkupTextTest, PagesAndChaptersGiveTheLinesABrowserShows) {
  struct Case {
    const char* name;
    std::string body;  // well-formed XHTML, which HTML reads alike
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"blocks end lines",
       "<h1>Title</h1><p>One <b>bold</b> word</p><div>Two<div>nested</div>after</div>"
       "<ul><li>a</li><li>b</li></ul><blockquote>quoted</blockquote><hr/>"
       "<section><dl><dt>term</dt><dd>meaning</dd></dl></section>",
       {"Title", "One bold word", "Two", "nested", "after", "a", "b", "quoted", "term", "meaning"}},
      {"white space collapses",
       "<p>\n  spread\n   over\t lines  <i> and </i> <b>tags</b>\n</p>",
       {"spread over lines and tags"}},
      {"inline elements join", "<p>un<i>break</i>able</p>", {"unbreakable"}},
      {"line breaks", "<p>a<br/>b<br/><br/>c</p><p><br/></p>", {"a", "b", "", "c", ""}},
      {"pre keeps its lines",
       "<pre>\n  keep   this\n\n\tand this</pre><p>after</p>",
       {"  keep   this", "", "\tand this", "after"}},
      {"script and style left out",
       "<script>var hidden = '<p>no</p>';</script><style>p {}</style><p>shown</p>"
       "<p>in <script>x()</script>line</p>",
       {"shown", "in line"}},
      {"entities",
       "<p>caf&eacute; &amp; a&nbsp;b&nbsp;&nbsp;c &mdash; &#x4E2D;&#25991; &unknown;</p>",
       {Utf16ToCp936(u"café & a b  c — 中文 &unknown;")}},
      {"table cells",
       "<table><tr><td>a</td><td>b</td></tr><tr><th>c</th><td>d</td></tr></table>",
       {"a b", "c d"}},
  };
  testing::TempFolder folder;
  for (const Case& c : cases) {
    const Read page = ReadPage(folder.Write("page.html", Page(c.body)));
    EXPECT_EQ(page.result, ConversionResult::kDone) << c.name;
    EXPECT_EQ(page.lines, c.lines) << "HTML: " << c.name;
    const std::string book = folder / "book.epub";
    testing::WriteEpub(book, {c.body});
    const Read chapter = ReadBook(book);
    EXPECT_EQ(chapter.result, ConversionResult::kDone) << c.name;
    EXPECT_EQ(chapter.lines, c.lines) << "EPUB: " << c.name;
  }
}

TEST(MarkupTextTest, TagSoupReadsAsABrowserShowsIt) {
  testing::TempFolder folder;
  const std::string page =
      folder.Write("soup.htm",
                   "<title>gone</title>text before<P>one<p>two<ul><li>three </b>four<li>five"
                   "<div>six</div></ul>seven & eight <SCRIPT>if (a < b) x()</SCRIPT>");
  EXPECT_THAT(ReadPage(page).lines, ElementsAre("text before", "one", "two", "three four", "five",
                                                "six", "seven & eight"));
}

TEST(MarkupTextTest, StopsAtEachCapAndNotBelowIt) {
  testing::TempFolder folder;
  std::string nested;
  for (int i = 0; i < 1000; ++i) nested += "<div>";
  nested += "deep";
  for (int i = 0; i < 1000; ++i) nested += "</div>";
  const std::string nested_page = folder.Write("nested.html", "<html><body>" + nested);
  const std::string nested_book = folder / "nested.epub";
  testing::WriteEpub(nested_book, {nested});

  // A chapter that deflates to a few kilobytes.
  const std::string big_chapter = "<p>" + std::string(4 << 20, 'a') + "</p>";
  const std::string big_book = folder / "big.epub";
  testing::WriteEpub(big_book, {big_chapter});
  const size_t book_xml =
      testing::ContainerXml().size() +
      testing::PackageXml(testing::ChapterItem("c1", "chapter1.xhtml"), testing::SpineRef("c1"))
          .size() +
      testing::XhtmlChapter(big_chapter).size();
  const std::string page_text = "<p>" + std::string(100000, 'a') + "</p>";
  const std::string text_page = folder.Write("text.html", page_text);
  std::string paragraphs;
  for (int i = 0; i < 5000; ++i) paragraphs += "<p>x</p>";
  const std::string lines_book = folder / "lines.epub";
  testing::WriteEpub(lines_book, {paragraphs, "<p>y</p>"});

  struct Case {
    const char* name;
    std::string path;
    std::function<Read(const std::string&, const DocumentLimits&)> read;
    std::function<void(DocumentLimits&, size_t)> set;
    size_t cap;  // the smallest limit under which the document is read whole
    ConversionResult below = ConversionResult::kTooLarge;
  };
  const auto depth = [](DocumentLimits& limits, size_t cap) { limits.max_depth = cap; };
  const std::vector<Case> cases = {
      // html and body around the divs.
      {"page nesting", nested_page, ReadPage, depth, 1002, ConversionResult::kTooDeep},
      {"chapter nesting", nested_book, ReadBook, depth, 1002, ConversionResult::kTooDeep},
      {"book markup", big_book, ReadBook,
       [](DocumentLimits& limits, size_t cap) { limits.max_xml_bytes = cap; }, book_xml},
      {"page markup", text_page, ReadPage,
       [](DocumentLimits& limits, size_t cap) { limits.max_xml_bytes = cap; }, page_text.size()},
      // The text counts one byte for each line break.
      {"page text", text_page, ReadPage,
       [](DocumentLimits& limits, size_t cap) { limits.max_text_bytes = cap; }, 100001},
      {"book lines", lines_book, ReadBook,
       [](DocumentLimits& limits, size_t cap) { limits.max_lines = cap; }, 5001},
  };
  for (const Case& c : cases) {
    DocumentLimits limits;
    c.set(limits, c.cap - 1);
    EXPECT_EQ(c.read(c.path, limits).result, c.below) << c.name;
    c.set(limits, c.cap);
    EXPECT_EQ(c.read(c.path, limits).result, ConversionResult::kDone) << c.name;
  }
}

TEST(MarkupTextTest, RefusesAHundredThousandDeepNestingQuickly) {
  testing::TempFolder folder;
  std::string open;
  std::string close;
  for (int i = 0; i < 100000; ++i) {
    open += "<div>";
    close += "</div>";
  }
  const std::string page = folder.Write("deep.html", open + "x");
  const std::string book = folder / "deep.epub";
  testing::WriteEpub(book, {open + "x" + close});
  for (const auto& [path, read] : {std::pair{page, &ReadPage}, std::pair{book, &ReadBook}}) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(read(path, {}).result, ConversionResult::kTooDeep) << path;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << path;
  }
}

}  // namespace
}  // namespace tarn
