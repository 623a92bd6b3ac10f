// Merging partial counts: 100 partials of 100,000 distinct words each, from ten texts each,
// neighbouring partials sharing most of their words (about a million distinct words in all),
// merged into the statistics as the merge-partials step does. `partial_merge_bench
// --write-partials=DIR` writes the same partials to DIR instead, for timing a whole
// `tarn-cli merge-partials DIR/*.tsv` run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "corpus/CorpusCount.h"
#include "corpus/CorpusRun.h"
#include "corpus/PartialCountWriter.h"
#include "support/FakeUserPort.h"
#include "support/TempFolder.h"
#include "wordtable/Hashtable.h"

namespace {

constexpr size_t kPartials = 100;
constexpr size_t kWordsEach = 100000;
constexpr size_t kTextsEach = 10;
// How far each partial's words move on from the one before it.
constexpr size_t kShift = 9000;

// A made-up word of letters for `n`.
std::string WordFor(size_t n) {
  std::string word = "w";
  do {
    word += static_cast<char>('a' + n % 26);
    n /= 26;
  } while (n > 0);
  return word;
}

// Partial `p`: the words from p * kShift on, each in one or two of its texts, the first of them
// most frequent.
tarn::CorpusCount PartialNumber(size_t p) {
  tarn::CorpusCount count;
  std::vector<uint32_t> indexes(kWordsEach);
  std::vector<int64_t> counts(kWordsEach);
  for (size_t r = 0; r < kWordsEach; ++r) {
    counts[r] = 1 + static_cast<int64_t>(2000 / (r + 1));
    const bool capitals = r % 7 == 0;
    indexes[r] = count.tally.AddWord(WordFor(p * kShift + r),
                                     {counts[r], counts[r], capitals ? counts[r] / 2 : 0});
  }
  for (size_t text = 0; text < kTextsEach; ++text) {
    int64_t running = 0;
    for (size_t r = 0; r < kWordsEach; ++r) {
      const int64_t first = counts[r] > 1 ? counts[r] / 2 : counts[r];
      int64_t here = 0;
      if (r % kTextsEach == text) here += first;
      if ((r + 3) % kTextsEach == text) here += counts[r] - first;
      if (here == 0) continue;
      count.tally.AddCount(indexes[r], here);
      running += here;
    }
    count.tally.EndText(running);
    count.texts.push_back("shard-" + std::to_string(p) + "/text-" + std::to_string(text) + ".txt");
  }
  return count;
}

// Writes the partials into `folder`; returns their paths.
std::vector<std::string> WritePartials(const std::filesystem::path& folder) {
  std::vector<std::string> paths;
  for (size_t p = 0; p < kPartials; ++p) {
    char name[32];
    std::snprintf(name, sizeof name, "part-%03zu.tsv", p);
    paths.push_back((folder / name).string());
    std::ofstream out(paths.back(), std::ios::binary);
    tarn::WritePartialCount(PartialNumber(p), out);
  }
  return paths;
}

struct Partials {
  tarn::testing::TempFolder folder;
  std::vector<std::string> paths = WritePartials(folder.path());
};

const Partials& ThePartials() {
  static const Partials partials;
  return partials;
}

void BM_MergeHundredPartials(benchmark::State& bench) {
  const std::vector<std::string>& paths = ThePartials().paths;
  tarn::StatisticsState state;
  tarn::THashTable stop_words(256);
  tarn::testing::FakeUserPort port;
  for (auto _ : bench) {
    tarn::CorpusRun(state, stop_words, port).Merge(paths, static_cast<size_t>(bench.range(0)));
  }
  bench.counters["distinct"] = static_cast<double>(state.DistinctWords);
}

BENCHMARK(BM_MergeHundredPartials)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  const std::string write_flag = "--write-partials=";
  if (argc == 2 && std::string(argv[1]).rfind(write_flag, 0) == 0) {
    const std::filesystem::path folder = std::string(argv[1]).substr(write_flag.size());
    std::filesystem::create_directories(folder);
    WritePartials(folder);
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
