// Loading the shipped dict folder, as the programs do at start, and its glosses, which they
// read on first use.
#include <benchmark/benchmark.h>

#include <string>

#include "concordance/Glosses.h"
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

// Reading glosses.txt and one look-up: what the first gloss a user asks for costs.
void BM_LoadShippedGlosses(benchmark::State& state) {
  for (auto _ : state) {
    const Glosses glosses = Glosses::Read(std::string(TARN_SHIPPED_DICT) + "/" + kGlossFile);
    benchmark::DoNotOptimize(glosses.Of("book"));
  }
}
BENCHMARK(BM_LoadShippedGlosses)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn
