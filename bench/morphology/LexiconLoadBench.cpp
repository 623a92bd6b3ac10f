// Loading the shipped dict folder, as the programs do at start.
#include <benchmark/benchmark.h>

#include "morphology/Lexicon.h"
#include "morphology/LexiconLoader.h"

namespace tarn {
namespace {

void BM_LoadShippedLexicon(benchmark::State& state) {
  for (auto _ : state) {
    Lexicon lexicon;
    LoadLexicon(TARN_SHIPPED_DICT, lexicon);
    benchmark::DoNotOptimize(lexicon.RecallWords->ItemCount());
  }
}
BENCHMARK(BM_LoadShippedLexicon)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn
