// The vocabulary profile and the beyond view on the statistics of the 100 MB benchmark document,
// with the shipped level lists read once beforehand.
#include <benchmark/benchmark.h>

#include "profile/LevelLists.h"
#include "profile/MergedBase.h"
#include "profile/Names.h"
#include "profile/ProfileViews.h"
#include "profile/VocabularyProfile.h"
#include "support/CountedDocument.h"

namespace {

using tarn::bench::CountedDocument;
using tarn::bench::Document;

const tarn::LevelLists& Lists(tarn::Ladder ladder) {
  static const tarn::LevelLists exam(TARN_SOURCE_DIR "/data/dict", tarn::Ladder::kExam);
  static const tarn::LevelLists frequency(TARN_SOURCE_DIR "/data/dict", tarn::Ladder::kFrequency);
  return ladder == tarn::Ladder::kExam ? exam : frequency;
}

void BM_Profile(benchmark::State& bench, tarn::Ladder ladder) {
  CountedDocument& document = Document();
  for (auto _ : bench) {
    const tarn::MergedBase base(document.lexicon);
    const tarn::NameTest is_name = tarn::NamesOfDocument(document.state);
    const tarn::WordPlacement placement(Lists(ladder), base, is_name);
    benchmark::DoNotOptimize(tarn::ComputeProfile(document.state, placement));
  }
  bench.counters["distinct"] = static_cast<double>(document.state.DistinctWords);
}

void BM_Beyond(benchmark::State& bench) {
  CountedDocument& document = Document();
  const tarn::LevelLists& lists = Lists(tarn::Ladder::kExam);
  for (auto _ : bench) {
    const tarn::MergedBase base(document.lexicon);
    const tarn::NameTest is_name = tarn::NamesOfDocument(document.state);
    const tarn::WordPlacement placement(lists, base, is_name);
    tarn::ShowBeyondView(document.state, document.lexicon, document.port, placement,
                         tarn::IsNonWord, 2);
  }
  bench.counters["listed"] = static_cast<double>(document.state.SnapshotTable().ItemCount());
}

BENCHMARK_CAPTURE(BM_Profile, exam, tarn::Ladder::kExam)
    ->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK_CAPTURE(BM_Profile, frequency, tarn::Ladder::kFrequency)
    ->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_Beyond)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
