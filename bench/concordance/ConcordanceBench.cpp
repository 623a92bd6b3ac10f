// The concordance of frequent words on the 100 MB benchmark document (written once to
// /tmp/tarn-bench/ and read again as the concordance reads a counted file) and on a novel counted
// with the shipped tables, and the file run with and without keeping its text.
// `concordance_bench --count-file=PATH [WORD]` counts PATH as the session does, keeping its text,
// then, given WORD, prints the number of its concordance lines (for peak memory with
// /usr/bin/time -v).
#include <benchmark/benchmark.h>

#include <fstream>
#include <iostream>

#include "analysis/AnalysisViews.h"
#include "analysis/MainSession.h"
#include "concordance/ConcordanceCommands.h"
#include "support/CountedDocument.h"
#include "text/CodePage936.h"

namespace {

using tarn::bench::Document;

const std::string kBenchFolder = "/tmp/tarn-bench";

// The counted benchmark document as a file, so that its text is read again as a file's is.
const std::string& DocumentFile() {
  static const std::string path = [] {
    std::filesystem::create_directories(kBenchFolder);
    const std::string file = kBenchFolder + "/concordance-100mb.txt";
    if (std::filesystem::exists(file) &&
        std::filesystem::file_size(file) > tarn::bench::kDocumentBytes) {
      return file;
    }
    std::ofstream out(file, std::ios::binary);
    for (const std::string& line : tarn::bench::DocumentLines()) out << line << "\r\n";
    return file;
  }();
  return path;
}

// The benchmark document's most frequent word (a stop word) alone, or the merged view's most
// frequent base form with all its forms.
void BM_Concordance100MB(benchmark::State& bench, tarn::FormScope scope) {
  tarn::bench::CountedDocument& document = Document();
  const tarn::DocumentSource source =
      tarn::DocumentSource::TextFile(DocumentFile(), tarn::FileStamp::Of(DocumentFile()));
  std::string word = "the";
  if (scope == tarn::FormScope::kMerged) {
    tarn::AnalysisViews(document.state, document.lexicon, document.port).ShowMerged();
    int64_t most = 0;
    document.state.SnapshotTable->ForEach([&](const tarn::THashItem& item) {
      if (item.Count > most) {
        most = item.Count;
        word = tarn::Utf16ToCp936(item.Key);
      }
    });
  }
  size_t lines = 0;
  for (auto _ : bench) {
    const std::vector<std::string> forms =
        tarn::FormsOf(document.state, document.lexicon, scope, word);
    const tarn::Concordance concordance(source, forms, 40);
    lines = concordance.Size();
    benchmark::DoNotOptimize(concordance.Text().data());
  }
  bench.counters["lines"] = static_cast<double>(lines);
  bench.SetLabel(word);
}

// A novel counted by a session with the shipped tables.
tarn::MainSession& Novel() {
  static tarn::testing::FakeUserPort port;
  static tarn::MainSession* session = [] {
    auto* made = new tarn::MainSession(port);
    made->LoadLexicon(TARN_SOURCE_DIR "/data/dict");
    made->CountFile(TARN_CORPUS_DIR "/pride_and_prejudice.txt");
    return made;
  }();
  return *session;
}

void BM_ConcordanceNovel(benchmark::State& bench, const char* word, tarn::FormScope scope) {
  tarn::MainSession& session = Novel();
  size_t lines = 0;
  for (auto _ : bench) {
    const std::optional<tarn::Concordance> concordance =
        tarn::ConcordanceCommands(session).Find(word, scope, 40);
    lines = concordance->Size();
    benchmark::DoNotOptimize(concordance->Text().data());
  }
  bench.counters["lines"] = static_cast<double>(lines);
}

// The file run as the counting run alone does it, and as the session does it, keeping the text.
void BM_FileRun(benchmark::State& bench, bool keep) {
  const std::string& path = DocumentFile();
  for (auto _ : bench) {
    tarn::testing::FakeUserPort port;
    tarn::MainSession session(port);
    if (keep) {
      session.CountFile(path);
    } else {
      tarn::CountingRun(session.State(), *session.Words().StopWords, port).RunFile(path);
    }
    benchmark::DoNotOptimize(session.State().SnapshotTable.get());
  }
  bench.SetBytesProcessed(
      static_cast<int64_t>(bench.iterations() * std::filesystem::file_size(path)));
}

BENCHMARK_CAPTURE(BM_Concordance100MB, the, tarn::FormScope::kWordAlone)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_Concordance100MB, merged, tarn::FormScope::kMerged)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ConcordanceNovel, the, "the", tarn::FormScope::kWordAlone)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ConcordanceNovel, merged_see, "see", tarn::FormScope::kMerged)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_FileRun, counting_only, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_FileRun, keeping_the_text, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  const std::string count_flag = "--count-file=";
  if (argc >= 2 && std::string(argv[1]).rfind(count_flag, 0) == 0) {
    tarn::testing::FakeUserPort port;
    tarn::MainSession session(port);
    session.CountFile(std::string(argv[1]).substr(count_flag.size()));
    std::cout << session.State().TotalWords << " words, " << session.State().DistinctWords
              << " distinct\n";
    if (argc == 3) {
      const tarn::Concordance concordance(session.Source(), {argv[2]}, 40);
      std::cout << concordance.Size() << " lines of " << argv[2] << '\n';
    }
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
