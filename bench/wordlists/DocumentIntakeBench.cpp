// Document intake figures: what decoding costs the file run on 100 MB of English prose (with
// curly quotes and dashes in UTF-8, Windows-1252 and code page 936, and pure ASCII), against
// feeding the raw bytes to the counter as code page 936; and reading a 300-page .docx. The text
// documents are written once to /tmp/tarn-bench/.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "analysis/CountingRun.h"
#include "analysis/FileWordCount.h"
#include "analysis/StatisticsState.h"
#include "analysis/WordStreamCounter.h"
#include "support/Corpus.h"
#include "support/FakeUserPort.h"
#include "support/FileRunBench.h"
#include "support/TempFolder.h"
#include "documents/OfficeFixture.h"
#include "documents/OfficeText.h"
#include "wordlists/ReadableFile.h"
#include "wordlists/TextFileStream.h"
#include "wordtable/Hashtable.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;

constexpr size_t kDocumentBytes = size_t{100} << 20;
const fs::path kBenchFolder = "/tmp/tarn-bench";

// The corpus novels one after the other.
std::string Corpus() { return tarn::bench::CorpusText(); }

// The corpus with every byte beyond ASCII dropped.
std::string AsciiOnly(const std::string& corpus) {
  std::string out;
  for (char c : corpus) {
    if (static_cast<unsigned char>(c) < 0x80) out += c;
  }
  return out;
}

// The forms of the typeset characters in one encoding: left and right double quote, right
// single quote (the apostrophe) and the em dash.
struct Typography {
  const char* left;
  const char* right;
  const char* apostrophe;
  const char* dash;
};

// The corpus with typeset quotes, apostrophes and dashes in `forms` (the corpus's own bytes
// beyond ASCII, not all of them UTF-8, are dropped first).
std::string Typeset(const std::string& raw, const Typography& forms) {
  const std::string corpus = AsciiOnly(raw);
  std::string out;
  bool open = true;
  for (size_t i = 0; i < corpus.size(); ++i) {
    const char c = corpus[i];
    if (c == '"') {
      out += open ? forms.left : forms.right;
      open = !open;
    } else if (c == '-' && i + 1 < corpus.size() && corpus[i + 1] == '-') {
      out += forms.dash;
      ++i;
    } else if (c == '\'' && i > 0 && std::isalpha(static_cast<unsigned char>(corpus[i - 1]))) {
      out += forms.apostrophe;
    } else {
      out += c;
    }
  }
  return out;
}

// As today's editors save it, in UTF-8.
std::string TypesetUtf8(const std::string& raw) {
  return Typeset(raw, {"\xE2\x80\x9C", "\xE2\x80\x9D", "\xE2\x80\x99", "\xE2\x80\x94"});
}
// As a Western system's editor saves it, in Windows-1252.
std::string TypesetWindows1252(const std::string& raw) {
  return Typeset(raw, {"\x93", "\x94", "\x92", "\x97"});
}
// As a Chinese system's editor saves it, in code page 936.
std::string TypesetCp936(const std::string& raw) {
  return Typeset(raw, {"\xA1\xB0", "\xA1\xB1", "\xA1\xAF", "\xA1\xAA"});
}

// `text` repeated up to 100 MB at `name` in the bench folder, unless it is there already.
std::string Document(const std::string& name, std::string (*make)(const std::string&)) {
  fs::create_directories(kBenchFolder);
  const fs::path path = kBenchFolder / name;
  if (!fs::exists(path) || fs::file_size(path) < kDocumentBytes) {
    const std::string text = make(Corpus());
    std::ofstream out(path, std::ios::binary);
    for (size_t written = 0; written < kDocumentBytes; written += text.size()) {
      out.write(text.data(),
                static_cast<std::streamsize>(std::min(text.size(), kDocumentBytes - written)));
    }
  }
  return path.string();
}

std::string Utf8Document() { return Document("english-utf8-100mb.txt", TypesetUtf8); }
std::string Windows1252Document() {
  return Document("english-windows1252-100mb.txt", TypesetWindows1252);
}
std::string Cp936Document() { return Document("english-cp936-100mb.txt", TypesetCp936); }
std::string AsciiDocument() { return Document("english-ascii-100mb.txt", AsciiOnly); }

// The counting before decoding existed: the file's bytes straight into the counter, in blocks
// of 1 MB as it read them.
void CountRaw(const std::string& path, WordStreamCounter& counter) {
  constexpr size_t kRawBlock = size_t{1} << 20;
  ReadableFile file(path);
  const auto block = std::make_unique<char[]>(kRawBlock);
  while (!counter.Ended()) {
    const size_t got = file.Read(block.get(), kRawBlock);
    if (got == 0) break;
    counter.Feed(std::string_view(block.get(), got));
  }
  counter.Finish();
}

void BM_Count(benchmark::State& bench, std::string (*document)(), bool decode) {
  const std::string path = document();
  for (auto _ : bench) {
    WordStreamCounter counter(true);
    decode ? CountFileWords(path, counter) : CountRaw(path, counter);
    bench.counters["words"] = static_cast<double>(counter.Words().TotalCount());
  }
  bench.SetBytesProcessed(static_cast<int64_t>(bench.iterations() * fs::file_size(path)));
}
BENCHMARK_CAPTURE(BM_Count, utf8_raw, Utf8Document, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Count, utf8_decoded, Utf8Document, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Count, ascii_raw, AsciiDocument, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Count, ascii_decoded, AsciiDocument, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Count, windows1252_decoded, Windows1252Document, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Count, cp936_decoded, Cp936Document, true)->Unit(benchmark::kMillisecond);

// The whole file run (tables, listing, snapshot) over the UTF-8 document.
void BM_FileRunUtf8(benchmark::State& bench) {
  const std::string path = Utf8Document();
  THashTable stop_words(256);
  testing::FakeUserPort port;
  for (auto _ : bench) {
    StatisticsState state;
    CountingRun(state, stop_words, port).RunFile(path);
    benchmark::DoNotOptimize(&state.SnapshotTable());
  }
}
BENCHMARK(BM_FileRunUtf8)->Unit(benchmark::kMillisecond);

// Only the decoding: a document into a sink that keeps nothing.
void BM_DecodeOnly(benchmark::State& bench, std::string (*document)()) {
  const std::string path = document();
  for (auto _ : bench) {
    size_t bytes = 0;
    StreamTextFile(
        path, [&bytes](std::string_view text) { bytes += text.size(); }, [&bytes] { bytes = 0; });
    benchmark::DoNotOptimize(bytes);
  }
  bench.SetBytesProcessed(static_cast<int64_t>(bench.iterations() * fs::file_size(path)));
}
BENCHMARK_CAPTURE(BM_DecodeOnly, utf8, Utf8Document)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeOnly, ascii, AsciiDocument)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeOnly, windows1252, Windows1252Document)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeOnly, cp936, Cp936Document)->Unit(benchmark::kMillisecond);

// A 300-page .docx: 1,800 paragraphs of about 90 words, each split into formatted runs as Word
// writes them.
std::string DocxBody() {
  const std::string corpus = Corpus();
  std::string body;
  size_t at = 0;
  for (int paragraph = 0; paragraph < 1800; ++paragraph) {
    body += "<w:p><w:pPr><w:spacing w:after=\"120\"/></w:pPr>";
    for (int run = 0; run < 6; ++run) {
      std::string text;
      while (text.size() < 90) {
        const char c = corpus[at++ % corpus.size()];
        if (c == '<' || c == '&' || c == '\n' || c == '\r' ||
            static_cast<unsigned char>(c) >= 0x80) {
          text += ' ';
        } else {
          text += c;
        }
      }
      body +=
          "<w:r><w:rPr><w:rFonts w:ascii=\"Times New Roman\"/><w:sz w:val=\"24\"/></w:rPr>"
          "<w:t xml:space=\"preserve\">" +
          text + "</w:t></w:r>";
    }
    body += "</w:p>";
  }
  return body;
}

void BM_ReadDocx300Pages(benchmark::State& bench) {
  testing::TempFolder folder;
  const std::string path = folder / "book.docx";
  testing::WriteDocx(path, DocxBody());
  size_t lines = 0;
  for (auto _ : bench) {
    testing::LineCollector sink;
    if (ReadOfficeText(path, OfficeFormat::kDocx, sink) != ConversionResult::kDone) {
      bench.SkipWithError("the .docx was not read");
    }
    lines = sink.lines.size();
  }
  bench.counters["lines"] = static_cast<double>(lines);
  bench.counters["docx_kb"] = static_cast<double>(fs::file_size(path) / 1024);
}
BENCHMARK(BM_ReadDocx300Pages)->Unit(benchmark::kMillisecond);

// The same .docx through the whole file run.
void BM_FileRunDocx300Pages(benchmark::State& bench) {
  testing::TempFolder folder;
  const std::string path = folder / "book.docx";
  testing::WriteDocx(path, DocxBody());
  tarn::bench::RunFileEachIteration(bench, path);
}
BENCHMARK(BM_FileRunDocx300Pages)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
