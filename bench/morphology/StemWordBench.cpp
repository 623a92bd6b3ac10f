// StemWord and RootWord over the distinct words of a novel, under small tables.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <unordered_set>
#include <vector>

#include "morphology/ReducerFixture.h"
#include "morphology/pstemming.h"

namespace tarn {
namespace {

// The distinct lower-case words (runs of a to z) of a corpus text, in first-seen order.
std::vector<std::string> DistinctWords(const char* name) {
  std::ifstream in(std::string(TARN_CORPUS_DIR) + "/" + name, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> words;
  std::unordered_set<std::string> seen;
  std::string word;
  for (size_t i = 0; i <= text.size(); ++i) {
    char c = i < text.size() ? text[i] : ' ';
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c >= 'a' && c <= 'z') {
      word += c;
    } else if (!word.empty()) {
      if (seen.insert(word).second) words.push_back(word);
      word.clear();
    }
  }
  return words;
}

template <std::string (*Reduce)(std::string_view, const ReducerTables&)>
void BM_Reduce(benchmark::State& state) {
  static const std::vector<std::string> words = DistinctWords("pride_and_prejudice.txt");
  const SmallTables lexicon = GoldenTables();
  if (words.empty()) {
    state.SkipWithError("corpus not found");
    return;
  }
  for (auto _ : state) {
    for (const std::string& word : words) benchmark::DoNotOptimize(Reduce(word, lexicon.tables));
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * words.size()));
  state.counters["words"] = static_cast<double>(words.size());
}

BENCHMARK(BM_Reduce<StemWord>)->Name("StemWord/pride_and_prejudice");
BENCHMARK(BM_Reduce<RootWord>)->Name("RootWord/pride_and_prejudice");

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
