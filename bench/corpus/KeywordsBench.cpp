// The keywords of the 100 MB benchmark document (192,000 distinct words) against the shipped
// spoken-English counts and against the shared corpus counted as a reference, and the reading
// of the shipped counts alone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "corpus/Keywords.h"
#include "corpus/ReferenceCounts.h"
#include "support/CountedDocument.h"

namespace {

const std::string kSpokenCounts = std::string(TARN_SHIPPED_DICT) + "/" + tarn::kSpokenCountsFile;

void BM_ReadSpokenCounts(benchmark::State& bench) {
  for (auto _ : bench) benchmark::DoNotOptimize(tarn::ReadReferenceCounts(kSpokenCounts));
}

void BM_KeywordsAgainstSpokenCounts(benchmark::State& bench) {
  tarn::bench::CountedDocument& document = tarn::bench::Document();
  for (auto _ : bench) {
    tarn::ShowKeywords(
        document.state, [] { return tarn::ReadReferenceCounts(kSpokenCounts); }, document.port);
  }
  bench.counters["lines"] = static_cast<double>(
      std::count(document.state.text_view.begin(), document.state.text_view.end(), '\r'));
}

void BM_KeywordsAgainstCorpusFolder(benchmark::State& bench) {
  tarn::bench::CountedDocument& document = tarn::bench::Document();
  const auto threads = static_cast<size_t>(bench.range(0));
  for (auto _ : bench) {
    tarn::ShowKeywords(
        document.state,
        [&] { return tarn::CountReferenceCorpus({TARN_CORPUS_DIR}, threads, {}, document.port); },
        document.port);
  }
}

BENCHMARK(BM_ReadSpokenCounts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeywordsAgainstSpokenCounts)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_KeywordsAgainstCorpusFolder)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
