// The concordance of frequent words on the 100 MB benchmark document (written once to
// /tmp/tarn-bench/ and read again as the concordance reads a counted file) and on a novel counted
// with the shipped tables, and the file run with and without keeping its text.
// Also the study list of 5,000 words of the novel, in both files.
// `concordance_bench --count-file=PATH [WORD]` counts PATH as the session does, keeping its text,
// then, given WORD, prints the number of its concordance lines (for peak memory with
// /usr/bin/time -v).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <iostream>

#include "analysis/AnalysisViews.h"
#include "analysis/MainSession.h"
#include "concordance/ConcordanceCommands.h"
#include "concordance/StudyList.h"
#include "concordance/StudyListFiles.h"
#include "profile/LevelLists.h"
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
    document.state.SnapshotTable().ForEach([&](const tarn::THashItem& item) {
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

// The study list of the novel's 5,000 most frequent listed words in a view, with the shipped
// levels and glosses, made and written out as both files (in memory).
void BM_StudyListNovel(benchmark::State& bench, tarn::FormScope scope) {
  tarn::MainSession& session = Novel();
  tarn::AnalysisViews views(session.State(), session.Words(), session.Port());
  scope == tarn::FormScope::kMerged ? views.ShowMerged() : views.ShowAllWords();
  session.State().SnapshotTable().Sort(2);
  const std::string full = tarn::Utf16ToCp936(session.State().SnapshotTable().ListText(20));
  size_t end = 0;
  for (int line = 0; line < 5000 && end < full.size(); ++line) {
    end = std::min(full.find('\r', end), full.size()) + 1;
  }
  const std::string listing = full.substr(0, end);
  const tarn::LevelLists levels(TARN_SOURCE_DIR "/data/dict", tarn::Ladder::kExam);
  const tarn::Glosses glosses = tarn::Glosses::Read(TARN_SOURCE_DIR "/data/dict/glosses.txt");
  size_t rows = 0;
  size_t with_sentence = 0;
  for (auto _ : bench) {
    const tarn::StudyList list = tarn::MakeStudyList(
        listing, scope, {session.State(), session.Words(), session.Source(), levels, glosses});
    const std::string tsv = tarn::StudyListTsv(list.rows);
    const std::string csv = tarn::StudyListCsv(list.rows);
    benchmark::DoNotOptimize(tsv.data());
    benchmark::DoNotOptimize(csv.data());
    rows = list.rows.size();
    with_sentence = std::count_if(list.rows.begin(), list.rows.end(),
                                  [](const tarn::StudyRow& row) { return !row.sentence.empty(); });
  }
  bench.counters["rows"] = static_cast<double>(rows);
  bench.counters["sentences"] = static_cast<double>(with_sentence);
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
    benchmark::DoNotOptimize(&session.State().SnapshotTable());
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
BENCHMARK_CAPTURE(BM_StudyListNovel, all_words, tarn::FormScope::kWordAlone)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_StudyListNovel, merged, tarn::FormScope::kMerged)
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
