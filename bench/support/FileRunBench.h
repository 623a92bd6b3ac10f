#pragma once

#include <benchmark/benchmark.h>

#include <string>

#include "analysis/CountingRun.h"
#include "analysis/StatisticsState.h"
#include "support/FakeUserPort.h"
#include "wordtable/Hashtable.h"

namespace tarn::bench {

// The benchmark's iterations, each the whole file run over the document at `path`: reading,
// counting, the listing and the snapshot.
inline void RunFileEachIteration(benchmark::State& bench, const std::string& path) {
  THashTable stop_words(256);
  testing::FakeUserPort port;
  for (auto _ : bench) {
    StatisticsState state;
    CountingRun(state, stop_words, port).RunFile(path);
    bench.counters["words"] = static_cast<double>(state.TotalWords);
  }
}

}  // namespace tarn::bench
