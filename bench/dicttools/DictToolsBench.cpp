// Every dictionary tools operation on a 500,000-line word list taken from the corpus.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "dicttools/ToolTable.h"
#include "dicttools/WordSplit.h"
#include "text/CodePage936.h"
#include "text/Lines.h"

namespace tarn::dicttools {
namespace {

constexpr size_t kLines = 500000;

// The corpus words in text order (repeats and capitals included), cycled up to kLines lines.
const std::u16string& WordListText() {
  static const std::u16string text = [] {
    std::vector<std::string> words;
    for (const auto& file : std::filesystem::directory_iterator(TARN_CORPUS_DIR)) {
      if (file.path().extension() != ".txt") continue;
      std::ifstream in(file.path(), std::ios::binary);
      std::stringstream bytes;
      bytes << in.rdbuf();
      for (std::string& word : SplitIntoWordList(Cp936ToUtf16(bytes.str()))) {
        words.push_back(std::move(word));
      }
    }
    if (words.empty()) words = {"apple", "Lovely", "recall", "re-do", "international"};
    std::vector<std::string> lines;
    for (size_t i = 0; lines.size() < kLines; ++i) lines.push_back(words[i % words.size()]);
    return Cp936ToUtf16(JoinLines(lines));
  }();
  return text;
}

// Box 1 as a user would fill it for each operation.
std::u16string Box1For(std::string_view alias) {
  if (alias == "first-chars") return u"3";
  if (alias == "blank-above") return u"100";
  if (alias == "before-key") return u"e";
  if (alias == "extract-length") return u"2";
  if (alias == "char-codes") return u"hello";
  return u"ly";
}

void RunTool(benchmark::State& state, const DictToolEntry* entry) {
  const DictToolInput input{WordListText(), Box1For(entry->alias), u"6"};
  for (auto _ : state) {
    DictToolResult result = entry->run(input);
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}

const bool kRegistered = [] {
  for (const DictToolEntry& entry : DictTools()) {
    benchmark::RegisterBenchmark(std::string(entry.alias).c_str(), RunTool, &entry)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace tarn::dicttools

BENCHMARK_MAIN();
