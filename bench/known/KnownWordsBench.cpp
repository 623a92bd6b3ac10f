// The known words: what a list of 50,000 words adds to start-up, and marking 1,000 words of the
// beyond view of a novel with the view shown again, the list saved as the window saves it.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "analysis/MainSession.h"
#include "known/KnownWordBook.h"
#include "known/KnownWordCommands.h"
#include "profile/LevelLadder.h"
#include "profile/ProfileCommands.h"
#include "support/FakeUserPort.h"
#include "support/TempFolder.h"
#include "text/Lines.h"
#include "wordlists/FileBytes.h"

namespace tarn::bench {
namespace {

constexpr size_t kListWords = 50000;
constexpr size_t kMarkedWords = 1000;

// kListWords English-looking base forms that no novel uses.
std::vector<std::string> LargeList() {
  std::vector<std::string> words;
  for (size_t i = 0; words.size() < kListWords; ++i) {
    std::string word = "q";
    for (size_t n = i; n > 0 || word.size() < 4; n /= 26) word += static_cast<char>('a' + n % 26);
    words.push_back(word);
  }
  return words;
}

std::string WriteLargeList(const testing::TempFolder& folder) {
  const std::string path = folder / "known.txt";
  WriteFileReplacing(path, JoinLines(LargeList()));
  return path;
}

// Reading the list as the window does at start-up.
void BM_OpenFiftyThousandWordList(benchmark::State& state) {
  testing::TempFolder folder;
  const std::string path = WriteLargeList(folder);
  testing::FakeUserPort port;
  for (auto _ : state) {
    KnownWordBook book(path, port);
    book.Open();
    benchmark::DoNotOptimize(book.Words().size());
  }
}
BENCHMARK(BM_OpenFiftyThousandWordList)->Unit(benchmark::kMillisecond);

// The same, with the widened lookup the first profile or beyond view builds.
void BM_OpenFiftyThousandWordListForLookups(benchmark::State& state) {
  testing::TempFolder folder;
  const std::string path = WriteLargeList(folder);
  testing::FakeUserPort port;
  for (auto _ : state) {
    KnownWordBook book(path, port);
    benchmark::DoNotOptimize(book.BaseForms().Size());
  }
}
BENCHMARK(BM_OpenFiftyThousandWordListForLookups)->Unit(benchmark::kMillisecond);

// 加入熟词本 on 1,000 lines of the words beyond 中考 of a novel, with 50,000 words known
// already: the base forms, the save (temporary file, backup, rename) and the view shown again.
void BM_MarkThousandWordsAndShowBeyond(benchmark::State& state) {
  testing::TempFolder folder;
  const std::string path = WriteLargeList(folder);
  testing::FakeUserPort port;
  MainSession session(port);
  session.LoadLexicon(std::string(TARN_SOURCE_DIR) + "/data/dict");
  session.CountFile(std::string(TARN_SOURCE_DIR) + "/data/samples/sherlock.txt");
  KnownWordBook book(path, port);
  ProfileCommands profile(session, KnownSourceOf(book));
  KnownWordCommands known(session, profile, book);
  const LevelDefinition& level = *FindLevel("中考");
  profile.ShowBeyond(level);
  std::vector<std::string> words;
  for (const std::string& line : SplitLines(std::string_view(session.State().text_view))) {
    if (words.size() == kMarkedWords) break;
    words.push_back(line.substr(0, line.find(' ')));
  }
  if (words.size() < kMarkedWords) state.SkipWithError("too few words beyond the level");
  for (auto _ : state) {
    known.Mark(words, true);
    state.PauseTiming();
    known.Unmark(words, true);
    profile.ShowBeyond(level);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MarkThousandWordsAndShowBeyond)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tarn::bench

BENCHMARK_MAIN();
