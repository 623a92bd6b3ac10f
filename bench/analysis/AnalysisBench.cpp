// The file run from opening the document to the finished listing and snapshot, over 100 MB of
// English prose and over 100 MB of Zipf-distributed synthetic words, as one call and as the two
// halves the window runs behind its progress dialog (counting with progress and cancel checks,
// then the statistics). The documents are written
// once to /tmp/tarn-bench/. `analysis_bench --count-file=PATH` runs the file run once over PATH
// (for measuring peak memory with /usr/bin/time -v) and prints the summary. For scale, the
// same documents are also counted by the plainest counter there is: the file read whole, its
// ASCII letters lowered into words, each counted in a std::unordered_map.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "analysis/CountingRun.h"
#include "analysis/RunProgress.h"
#include "analysis/StatisticsState.h"
#include "support/Corpus.h"
#include "support/FakeUserPort.h"
#include "wordtable/Hashtable.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kDocumentBytes = size_t{100} << 20;
const fs::path kBenchFolder = "/tmp/tarn-bench";

// Writes `make(out)` to `name` in the bench folder unless it is there already.
template <typename Make>
std::string Document(const std::string& name, Make make) {
  fs::create_directories(kBenchFolder);
  const fs::path path = kBenchFolder / name;
  if (!fs::exists(path) || fs::file_size(path) < kDocumentBytes) {
    std::ofstream out(path, std::ios::binary);
    make(out);
  }
  return path.string();
}

// The corpus novels one after the other, again and again, up to 100 MB.
std::string EnglishDocument() {
  return Document("english-100mb.txt", [](std::ofstream& out) {
    const std::string corpus = tarn::bench::CorpusText();
    for (size_t written = 0; written < kDocumentBytes; written += corpus.size()) {
      out.write(corpus.data(),
                static_cast<std::streamsize>(std::min(corpus.size(), kDocumentBytes - written)));
    }
  });
}

// 500,000 distinct random words whose frequencies fall off as 1/rank, twelve to a line.
std::string ZipfDocument() {
  return Document("zipf-100mb.txt", [](std::ofstream& out) {
    constexpr size_t kDistinct = 500000;
    std::mt19937_64 random(42);
    std::set<std::string> seen;
    std::vector<std::string> words;
    while (words.size() < kDistinct) {
      std::string word(3 + random() % 8, 'a');
      for (char& c : word) c = static_cast<char>('a' + random() % 26);
      if (seen.insert(word).second) words.push_back(word);
    }
    std::vector<double> cumulative(kDistinct);
    double sum = 0;
    for (size_t rank = 0; rank < kDistinct; ++rank) cumulative[rank] = sum += 1.0 / (rank + 1);
    std::uniform_real_distribution<double> pick(0, sum);
    std::string line;
    for (size_t written = 0, column = 0; written < kDocumentBytes; ++column) {
      const size_t rank =
          std::lower_bound(cumulative.begin(), cumulative.end(), pick(random)) - cumulative.begin();
      line += words[std::min(rank, kDistinct - 1)];
      line += column % 12 == 11 ? "\r\n" : " ";
      if (line.size() > 4096) {
        out << line;
        written += line.size();
        line.clear();
      }
    }
  });
}

// The file run over `path`, in one call or, with `progress`, in its two halves.
void RunFileOnce(const std::string& path, tarn::StatisticsState& state,
                 tarn::RunProgress* progress = nullptr) {
  tarn::THashTable stop_words(256);
  for (const char16_t* word : {u"the", u"a", u"of", u"and", u"to"}) stop_words.AddCount(word, 1);
  tarn::testing::FakeUserPort port;
  tarn::CountingRun run(state, stop_words, port);
  if (progress == nullptr) {
    run.RunFile(path);
  } else {
    run.ShowFile(run.CountFile(path, progress));
  }
}

void BM_FileRun(benchmark::State& bench, std::string (*document)(), bool with_progress) {
  const std::string path = document();
  for (auto _ : bench) {
    tarn::StatisticsState state;
    tarn::RunProgress progress;
    RunFileOnce(path, state, with_progress ? &progress : nullptr);
    benchmark::DoNotOptimize(&state.SnapshotTable());
    bench.counters["distinct"] = static_cast<double>(state.DistinctWords);
  }
  bench.SetBytesProcessed(static_cast<int64_t>(bench.iterations() * fs::file_size(path)));
}

void BM_PlainMapCount(benchmark::State& bench, std::string (*document)()) {
  const std::string path = document();
  for (auto _ : bench) {
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::unordered_map<std::string, int64_t> counts;
    std::string word;
    for (const char c : text) {
      const char lower = static_cast<char>(c | 0x20);
      if (lower >= 'a' && lower <= 'z') {
        word += lower;
      } else if (!word.empty()) {
        ++counts[word];
        word.clear();
      }
    }
    if (!word.empty()) ++counts[word];
    bench.counters["distinct"] = static_cast<double>(counts.size());
  }
  bench.SetBytesProcessed(static_cast<int64_t>(bench.iterations() * fs::file_size(path)));
}

BENCHMARK_CAPTURE(BM_PlainMapCount, english_100mb, EnglishDocument)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_PlainMapCount, zipf_100mb, ZipfDocument)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_FileRun, english_100mb, EnglishDocument, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_FileRun, zipf_100mb, ZipfDocument, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_FileRun, english_100mb_with_progress, EnglishDocument, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_FileRun, zipf_100mb_with_progress, ZipfDocument, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  const std::string count_flag = "--count-file=";
  if (argc == 2 && std::string(argv[1]).rfind(count_flag, 0) == 0) {
    tarn::StatisticsState state;
    RunFileOnce(std::string(argv[1]).substr(count_flag.size()), state);
    std::cout << state.TotalWords << " words, " << state.DistinctWords << " distinct\n";
    return 0;
  }
  if (argc == 2 && std::string(argv[1]) == "--make-documents") {
    std::cout << EnglishDocument() << '\n' << ZipfDocument() << '\n';
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
