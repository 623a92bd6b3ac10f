// PDF figures: reading a 300-page PDF of prose, alone and through the whole file run. The PDF
// is made at the start of each run from the corpus's novels with enscript and ps2pdf: the
// first 300 pages of 66 Courier lines.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "analysis/CountingRun.h"
#include "analysis/StatisticsState.h"
#include "documents/OfficeFixture.h"
#include "documents/PdfText.h"
#include "support/Corpus.h"
#include "support/FakeUserPort.h"
#include "support/TempFolder.h"
#include "wordtable/Hashtable.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;

constexpr int kPages = 300;

// The first kPages pages of the corpus as a PDF in `folder`; empty when the tools failed.
std::string MakeBook(const testing::TempFolder& folder) {
  const std::string text = folder.Write("book.txt", tarn::bench::CorpusText());
  const std::string ps = folder / "book.ps";
  const std::string pdf = folder / "book.pdf";
  const std::string command = "enscript --quiet --no-header --lines-per-page=66 --pages=1-" +
                              std::to_string(kPages) + " --output='" + ps + "' '" + text +
                              "' && ps2pdf '" + ps + "' '" + pdf + "'";
  return std::system(command.c_str()) == 0 ? pdf : std::string();
}

const testing::TempFolder& BenchFolder() {
  static const testing::TempFolder folder;
  return folder;
}

const std::string& Book() {
  static const std::string path = MakeBook(BenchFolder());
  return path;
}

// The known words of the shipped dict folder, read before the timing starts.
PdfSettings ShippedSettings() {
  PdfSettings settings;
  settings.known_words = std::make_shared<const KnownWords>(TARN_SHIPPED_DICT);
  settings.known_words->Contains("warm");
  return settings;
}

void BM_ReadPdf300Pages(benchmark::State& bench) {
  if (Book().empty()) return bench.SkipWithError("enscript or ps2pdf failed");
  const PdfSettings settings = ShippedSettings();
  size_t lines = 0;
  for (auto _ : bench) {
    testing::LineCollector sink;
    if (ReadPdfText(Book(), sink, settings) != ConversionResult::kDone) {
      bench.SkipWithError("the PDF was not read");
    }
    lines = sink.lines.size();
  }
  bench.counters["lines"] = static_cast<double>(lines);
  bench.counters["pdf_kb"] = static_cast<double>(fs::file_size(Book()) / 1024);
}
BENCHMARK(BM_ReadPdf300Pages)->Unit(benchmark::kMillisecond);

// The same PDF through the whole file run, to the listing and the snapshot.
void BM_FileRunPdf300Pages(benchmark::State& bench) {
  if (Book().empty()) return bench.SkipWithError("enscript or ps2pdf failed");
  ConversionSettings conversion;
  conversion.pdf = ShippedSettings();
  THashTable stop_words(256);
  testing::FakeUserPort port;
  for (auto _ : bench) {
    StatisticsState state;
    CountingRun run(state, stop_words, port);
    run.SetConversion(conversion);
    run.RunFile(Book());
    bench.counters["words"] = static_cast<double>(state.TotalWords);
  }
}
BENCHMARK(BM_FileRunPdf300Pages)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
