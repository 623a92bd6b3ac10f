// Reading figures of the EPUB and HTML readers: a novel as an EPUB book of one chapter per
// chapter of the text, and a 5 MB web page of the corpus novels; each read into lines, and once
// through the whole file run.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "documents/EpubFixture.h"
#include "documents/EpubReader.h"
#include "documents/HtmlReader.h"
#include "support/FileRunBench.h"
#include "support/TempFolder.h"
#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;

constexpr size_t kPageBytes = size_t{5} << 20;

// The text of a corpus file as UTF-8 (the novels are Windows-1252 beyond ASCII).
std::string NovelText(const std::string& name) {
  const std::string path = std::string(TARN_CORPUS_DIR) + "/" + name;
  const std::string bytes = testing::ReadBytes(path);
  if (bytes.empty()) throw std::runtime_error("no corpus novel at " + path);
  return Utf16ToUtf8(Windows1252ToUtf16(bytes));
}

// `text` with the characters markup gives a meaning escaped, and its dashes as entities.
std::string Escaped(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '-' && i + 1 < text.size() && text[i + 1] == '-') {
      out += "&mdash;";
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

// The paragraphs of `text` (separated by empty lines) as <p> elements, a line of capitals as a
// heading; a new chapter at each line that starts with "CHAPTER".
std::vector<std::string> Chapters(const std::string& text) {
  std::vector<std::string> chapters(1);
  std::string paragraph;
  const auto flush = [&] {
    if (!paragraph.empty()) chapters.back() += "<p>" + Escaped(paragraph) + "</p>\n";
    paragraph.clear();
  };
  size_t at = 0;
  while (at < text.size()) {
    size_t stop = text.find('\n', at);
    if (stop == std::string::npos) stop = text.size();
    std::string_view line(text.data() + at, stop - at);
    if (line.ends_with('\r')) line.remove_suffix(1);
    at = stop + 1;
    if (line.starts_with("CHAPTER")) {
      flush();
      if (!chapters.back().empty()) chapters.emplace_back();
      chapters.back() += "<h2>" + Escaped(line) + "</h2>\n";
    } else if (line.empty()) {
      flush();
    } else {
      if (!paragraph.empty()) paragraph += "\n";
      paragraph += line;
    }
  }
  flush();
  return chapters;
}

// A web page of the corpus novels' paragraphs, with emphasis in some, up to 5 MB.
std::string WebPage() {
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>Novels</title>"
      "<style>p { margin: 0 }</style><script>var reader = {};</script></head><body>\n";
  const char* const kNovels[] = {"pride_and_prejudice.txt",
                                 "sherlock.txt",
                                 "frankenstein.txt",
                                 "tom_sawyer.txt",
                                 "walden.txt",
                                 "education_of_henry_adams.txt",
                                 "gibbon_decline_and_fall_vol1.txt"};
  for (const char* novel : kNovels) {
    for (const std::string& chapter : Chapters(NovelText(novel))) {
      page += "<div class=\"chapter\">" + chapter + "</div>\n";
      if (page.size() >= kPageBytes) return page + "</body></html>\n";
    }
  }
  return page + "</body></html>\n";
}

class BookFiles {
 public:
  BookFiles() {
    testing::WriteEpub(book_, Chapters(NovelText("huckleberry_finn.txt")));
    page_ = folder_.Write("page.html", WebPage());
  }
  const std::string& Book() const { return book_; }
  const std::string& Page() const { return page_; }

 private:
  testing::TempFolder folder_;
  std::string book_ = folder_ / "novel.epub";
  std::string page_;
};

const BookFiles& Files() {
  static const BookFiles files;
  return files;
}

void BM_Read(benchmark::State& bench, bool epub) {
  const std::string& path = epub ? Files().Book() : Files().Page();
  size_t lines = 0;
  for (auto _ : bench) {
    testing::LineCollector sink;
    const ConversionResult result = epub ? ReadEpub(path, sink) : ReadHtml(path, sink);
    if (result != ConversionResult::kDone) bench.SkipWithError("the document was not read");
    lines = sink.lines.size();
  }
  bench.counters["lines"] = static_cast<double>(lines);
  bench.counters["file_kb"] = static_cast<double>(fs::file_size(path) / 1024);
}
BENCHMARK_CAPTURE(BM_Read, epub_novel, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Read, html_5mb, false)->Unit(benchmark::kMillisecond);

// The same documents through the whole file run.
void BM_FileRun(benchmark::State& bench, bool epub) {
  tarn::bench::RunFileEachIteration(bench, epub ? Files().Book() : Files().Page());
}
BENCHMARK_CAPTURE(BM_FileRun, epub_novel, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FileRun, html_5mb, false)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
