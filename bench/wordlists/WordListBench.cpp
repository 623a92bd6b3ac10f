// Word-list file figures: the .dat form written and read for a list of 100,000 words (one word a
// line, as a large vocabulary is saved), and the text form read back.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "support/TempFolder.h"
#include "wordlists/DatEncoder.h"
#include "wordlists/DatFile.h"
#include "wordlists/DatParser.h"
#include "wordlists/TextWordList.h"

namespace tarn {
namespace {

// `n` lower-case words of 3 to 12 letters, with a Chinese line every 50 lines.
std::vector<std::string> Words(int n) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> letter('a', 'z');
  std::uniform_int_distribution<int> length(3, 12);
  std::vector<std::string> words;
  for (int i = 0; i < n; ++i) {
    std::string word;
    if (i % 50 == 0) word = "\xD6\xD0\xCE\xC4";
    for (int k = length(rng); k > 0; --k) word += static_cast<char>(letter(rng));
    words.push_back(word);
  }
  return words;
}

void BM_EncodeDat(benchmark::State& state) {
  const std::vector<std::string> words = Words(100000);
  for (auto _ : state) benchmark::DoNotOptimize(EncodeDat(words));
  state.SetItemsProcessed(state.iterations() * words.size());
}
BENCHMARK(BM_EncodeDat)->Unit(benchmark::kMillisecond);

void BM_ParseDat(benchmark::State& state) {
  const std::string bytes = EncodeDat(Words(100000));
  for (auto _ : state) {
    size_t entries = 0;
    ParseDat(bytes, [&entries](std::u16string&&) { ++entries; });
    benchmark::DoNotOptimize(entries);
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ParseDat)->Unit(benchmark::kMillisecond);

void BM_WriteAndLoadDatFile(benchmark::State& state) {
  testing::TempFolder folder;
  const std::vector<std::string> words = Words(100000);
  const std::string file = folder / "list.dat";
  for (auto _ : state) {
    WriteDatFile(file, words);
    benchmark::DoNotOptimize(LoadDatList(file));
  }
}
BENCHMARK(BM_WriteAndLoadDatFile)->Unit(benchmark::kMillisecond);

void BM_ReadTextLines(benchmark::State& state) {
  testing::TempFolder folder;
  const std::string file = folder / "list.txt";
  WriteTextLines(file, Words(100000));
  for (auto _ : state) benchmark::DoNotOptimize(ReadTextLines(file));
}
BENCHMARK(BM_ReadTextLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
