// The corpus run against the file run on the same bytes: 1,000 texts of 100 KB cut from the
// shared corpus (as it is, and all in UTF-8), and one 100 MB text counted as a corpus of one.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "analysis/CountingRun.h"
#include "corpus/CorpusRun.h"
#include "support/Corpus.h"
#include "support/FakeUserPort.h"
#include "support/TempFolder.h"
#include "wordtable/Hashtable.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kTexts = 1000;
constexpr size_t kTextBytes = 100 * 1000;
constexpr size_t kLargeBytes = size_t{100} << 20;

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A thousand texts cut from `corpus` at line ends, and the same bytes also as one file.
struct Texts {
  tarn::testing::TempFolder folder;
  std::string texts = folder / "texts";
  std::string joined = folder / "joined.txt";

  explicit Texts(const std::string& corpus) {
    fs::create_directories(texts);
    std::string all;
    size_t at = 0;
    for (size_t i = 0; i < kTexts; ++i) {
      std::string text;
      while (text.size() < kTextBytes) {
        if (at >= corpus.size()) at = 0;
        const size_t end = std::min(corpus.find('\n', at + kTextBytes - text.size()), corpus.size());
        text.append(corpus, at, end - at + 1);
        at = end + 1;
      }
      char name[16];
      std::snprintf(name, sizeof name, "%04zu.txt", i);
      WriteFile(texts + "/" + name, text);
      all += text;
    }
    WriteFile(joined, all);
  }
};

// The texts as the shared corpus has them, some in UTF-8 and some in an 8-bit code page.
Texts& TheTexts() {
  static Texts texts(tarn::bench::CorpusText());
  return texts;
}

// The same texts all in UTF-8, so that the corpus and the one file decode the same text.
Texts& TheUtf8Texts() {
  static Texts texts(tarn::bench::Utf8CorpusText());
  return texts;
}

// The corpus repeated to 100 MB as one file.
struct LargeFile {
  tarn::testing::TempFolder folder;
  std::string path = folder / "large.txt";

  LargeFile() {
    const std::string corpus = tarn::bench::CorpusText();
    std::string big;
    while (big.size() < kLargeBytes) big += corpus;
    WriteFile(path, big);
  }
};

const std::string& TheLargeFile() {
  static LargeFile file;
  return file.path;
}

void FileRun(benchmark::State& bench, const std::string& path) {
  tarn::StatisticsState state;
  tarn::THashTable stop_words(256);
  tarn::testing::FakeUserPort port;
  for (auto _ : bench) tarn::CountingRun(state, stop_words, port).RunFile(path);
  bench.SetBytesProcessed(static_cast<int64_t>(bench.iterations() * fs::file_size(path)));
}

void CorpusRun(benchmark::State& bench, const std::string& path, int64_t bytes) {
  tarn::StatisticsState state;
  tarn::THashTable stop_words(256);
  tarn::testing::FakeUserPort port;
  for (auto _ : bench) {
    tarn::CorpusRun(state, stop_words, port).Run({path}, static_cast<size_t>(bench.range(0)));
  }
  bench.SetBytesProcessed(bench.iterations() * bytes);
}

void BM_ThousandTextsAsOneFile(benchmark::State& bench) { FileRun(bench, TheTexts().joined); }

void BM_ThousandTextsAsCorpus(benchmark::State& bench) {
  CorpusRun(bench, TheTexts().texts, static_cast<int64_t>(fs::file_size(TheTexts().joined)));
}

void BM_ThousandUtf8TextsAsOneFile(benchmark::State& bench) {
  FileRun(bench, TheUtf8Texts().joined);
}

void BM_ThousandUtf8TextsAsCorpus(benchmark::State& bench) {
  CorpusRun(bench, TheUtf8Texts().texts,
            static_cast<int64_t>(fs::file_size(TheUtf8Texts().joined)));
}

void BM_LargeFileOpened(benchmark::State& bench) { FileRun(bench, TheLargeFile()); }

void BM_LargeFileAsCorpusOfOne(benchmark::State& bench) {
  CorpusRun(bench, TheLargeFile(), static_cast<int64_t>(fs::file_size(TheLargeFile())));
}

BENCHMARK(BM_ThousandTextsAsOneFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ThousandTextsAsCorpus)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ThousandUtf8TextsAsOneFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ThousandUtf8TextsAsCorpus)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LargeFileOpened)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LargeFileAsCorpusOfOne)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
