// Word table figures: Sort against the literal exchange sort, AddCount throughput over real prose,
// and the whole-table operations on a table the size of a large vocabulary.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <numeric>
#include <random>

#include "wordtable/Hashtable.h"
#include "wordtable/LiteralExchangeSort.h"

namespace tarn {
namespace {

using Clock = std::chrono::steady_clock;

// A counted vocabulary of `n` words whose counts fall off like word frequencies (count 40000/rank,
// at least 1): a few hundred distinct counts, most words seen once, inserted in a random order.
std::unique_ptr<THashTable> ZipfTable(int n) {
  std::vector<int> ranks(n);
  std::iota(ranks.begin(), ranks.end(), 1);
  std::mt19937 rng(12345);
  std::shuffle(ranks.begin(), ranks.end(), rng);
  auto table = std::make_unique<THashTable>(256);
  std::uniform_int_distribution<int> letter(0, 25);
  for (int rank : ranks) {
    std::u16string word;
    for (int v = rank; v > 0; v /= 26) word.push_back(static_cast<char16_t>(u'a' + v % 26));
    word.push_back(static_cast<char16_t>(u'a' + letter(rng)));
    table->AddCount(word, std::max(1, 40000 / rank));
  }
  return table;
}

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// CPU time of this thread: on a shared machine it shows the cost that wall time hides.
double ThreadSeconds() {
  timespec now;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One step of the worst-case sequence: descending from hash order, ascending on that result,
// descending again. The steps before the measured one are untimed.
void BM_SortStep(benchmark::State& state) {
  const int step = static_cast<int>(state.range(0));
  const int32_t modes[] = {2, 1, 2};
  double cpu = 0;
  for (auto _ : state) {
    auto table = ZipfTable(100000);
    for (int i = 0; i < step; ++i) table->Sort(modes[i]);
    const auto start = Clock::now();
    const double cpu_start = ThreadSeconds();
    table->Sort(modes[step]);
    cpu += ThreadSeconds() - cpu_start;
    state.SetIterationTime(Seconds(start));
  }
  state.counters["sort_cpu_ms"] = cpu * 1e3 / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SortStep)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("step")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Sort against the literal exchange sort on the same input: a step of the sequence above, the
// earlier steps untimed.
void BM_SortVersusLiteral(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const int step = static_cast<int>(state.range(1));
  const int32_t modes[] = {2, 1, 2};
  double fast = 0, literal = 0;
  for (auto _ : state) {
    auto table = ZipfTable(n);
    for (int i = 0; i < step; ++i) table->Sort(modes[i]);
    auto items = testing::TraversalOf(*table);
    auto start = Clock::now();
    table->Sort(modes[step]);
    fast = Seconds(start);
    start = Clock::now();
    testing::LiteralExchangeSort(items, modes[step]);
    literal = Seconds(start);
    if (items != testing::TraversalOf(*table)) state.SkipWithError("results differ");
    state.SetIterationTime(fast + literal);
  }
  state.counters["fast_ms"] = fast * 1e3;
  state.counters["literal_ms"] = literal * 1e3;
  state.counters["ratio"] = literal / fast;
}
BENCHMARK(BM_SortVersusLiteral)
    ->Args({20000, 0})
    ->Args({20000, 1})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->ArgNames({"items", "step"})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The words of the corpus, lower-cased letter runs, as the counting run would hand them over.
const std::vector<std::u16string>& CorpusWords() {
  static const std::vector<std::u16string> words = [] {
    std::vector<std::u16string> out;
    for (const char* name :
         {"pride_and_prejudice.txt", "sherlock.txt", "tom_sawyer.txt", "huckleberry_finn.txt",
          "frankenstein.txt", "picture_of_dorian_gray.txt"}) {
      std::ifstream in(std::string(TARN_CORPUS_DIR) + "/" + name, std::ios::binary);
      const std::string text((std::istreambuf_iterator<char>(in)), {});
      std::u16string word;
      for (char c : text + ' ') {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c >= 'a' && c <= 'z') {
          word.push_back(static_cast<char16_t>(c));
        } else if (!word.empty()) {
          out.push_back(std::move(word));
          word.clear();
        }
      }
    }
    return out;
  }();
  return words;
}

void BM_AddCountCorpus(benchmark::State& state) {
  const auto& words = CorpusWords();
  for (auto _ : state) {
    THashTable table(256);
    for (const auto& word : words) table.AddCount(word, 1);
    benchmark::DoNotOptimize(table.ItemCount());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * words.size()));
  state.counters["words"] = static_cast<double>(words.size());
}
BENCHMARK(BM_AddCountCorpus)->Unit(benchmark::kMillisecond);

void BM_Clone(benchmark::State& state) {
  auto table = ZipfTable(100000);
  for (auto _ : state) benchmark::DoNotOptimize(table->Clone());
}
BENCHMARK(BM_Clone)->Unit(benchmark::kMillisecond);

// 250 of the 300 words are in the table.
void BM_Subtract300(benchmark::State& state) {
  auto table = ZipfTable(100000);
  THashTable stop(256);
  int taken = 0;
  table->ForEach([&](const THashItem& item) {
    if (taken++ % 400 == 0) stop.AddPair(item.Key, u"1");
  });
  for (int i = 0; stop.ItemCount() < 300; ++i) {
    const char16_t absent[] = {u'A', static_cast<char16_t>(u'a' + i % 26),
                               static_cast<char16_t>(u'a' + i / 26), 0};
    stop.AddPair(absent, u"1");
  }
  for (auto _ : state) {
    state.PauseTiming();
    auto copy = table->Clone();
    state.ResumeTiming();
    copy->Subtract(stop);
    benchmark::DoNotOptimize(copy->ItemCount());
  }
}
BENCHMARK(BM_Subtract300)->Unit(benchmark::kMillisecond);

void BM_ListText(benchmark::State& state) {
  auto table = ZipfTable(100000);
  for (auto _ : state) benchmark::DoNotOptimize(table->ListText(20));
}
BENCHMARK(BM_ListText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
