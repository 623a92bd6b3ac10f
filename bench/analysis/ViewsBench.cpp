// The five views, the root merge and the four sort commands (listing included) on the
// statistics of the 100 MB benchmark document, each benchmark running one command on that state.
#include <benchmark/benchmark.h>

#include "analysis/AnalysisViews.h"
#include "analysis/ListingCommands.h"
#include "support/CountedDocument.h"

namespace {

using tarn::bench::CountedDocument;
using tarn::bench::Document;

void Describe(benchmark::State& bench, const tarn::StatisticsState& state) {
  bench.counters["distinct"] = static_cast<double>(state.DistinctWords);
  bench.counters["snapshot"] = static_cast<double>(state.SnapshotTable().ItemCount());
  bench.counters["view_MB"] = static_cast<double>(state.text_view.size()) / 1e6;
}

using View = void (tarn::AnalysisViews::*)();

void BM_View(benchmark::State& bench, View view) {
  CountedDocument& document = Document();
  tarn::AnalysisViews views(document.state, document.lexicon, document.port);
  for (auto _ : bench) (views.*view)();
  Describe(bench, document.state);
}

// The root merge of the merged view's result; each run starts from that result again.
void BM_RootMerge(benchmark::State& bench) {
  CountedDocument& document = Document();
  tarn::AnalysisViews views(document.state, document.lexicon, document.port);
  for (auto _ : bench) {
    bench.PauseTiming();
    views.ShowMerged();
    bench.ResumeTiming();
    views.MergeRoots();
  }
  Describe(bench, document.state);
}

// A count sort of the counting run's snapshot, or, with `after_descending`, an ascending sort
// right after a descending one.
void BM_CountSort(benchmark::State& bench, bool descending, bool after_descending) {
  CountedDocument& document = Document();
  tarn::ListingCommands commands(document.state, document.port);
  for (auto _ : bench) {
    bench.PauseTiming();
    document.state.SetSnapshotTable(document.state.WordTable->Clone());
    if (after_descending) commands.SortByCount(true);
    bench.ResumeTiming();
    commands.SortByCount(descending);
  }
  Describe(bench, document.state);
}

void BM_WordSort(benchmark::State& bench, bool descending) {
  CountedDocument& document = Document();
  tarn::ListingCommands commands(document.state, document.port);
  document.state.SetSnapshotTable(document.state.WordTable->Clone());
  for (auto _ : bench) commands.SortByWord(descending);
  Describe(bench, document.state);
}

#define TARN_COMMAND_BENCHMARK(...) \
  BENCHMARK_CAPTURE(__VA_ARGS__)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime()

TARN_COMMAND_BENCHMARK(BM_View, all_words, &tarn::AnalysisViews::ShowAllWords);
TARN_COMMAND_BENCHMARK(BM_View, filtered, &tarn::AnalysisViews::ShowFiltered);
TARN_COMMAND_BENCHMARK(BM_View, merged, &tarn::AnalysisViews::ShowMerged);
TARN_COMMAND_BENCHMARK(BM_View, filtered_merged, &tarn::AnalysisViews::ShowFilteredMerged);
BENCHMARK(BM_RootMerge)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
TARN_COMMAND_BENCHMARK(BM_CountSort, descending, true, false);
TARN_COMMAND_BENCHMARK(BM_CountSort, ascending, false, false);
TARN_COMMAND_BENCHMARK(BM_CountSort, ascending_after_descending, false, true);
TARN_COMMAND_BENCHMARK(BM_WordSort, ascending, false);
TARN_COMMAND_BENCHMARK(BM_WordSort, descending, true);

}  // namespace

BENCHMARK_MAIN();
