#include "corpus/CorpusRun.h"

#include <memory>
#include <utility>

#include "corpus/CorpusCount.h"
#include "corpus/JobPool.h"
#include "corpus/PartialCountReader.h"
#include "corpus/PartialMerge.h"
#include "text/Error.h"
#include "wordlists/UserPort.h"

namespace tarn {

namespace {

constexpr char kTextsLine[] = "该语料共有文本数：";
constexpr char kSkippedLine[] = "未能统计的文件数：";

}  // namespace

CorpusRun::CorpusRun(StatisticsState& state, const THashTable& stop_words, UserPort& port,
                     MillisecondClock clock)
    : state_(state), port_(port), run_(state, stop_words, port, std::move(clock)) {}

CorpusStatistics CorpusRun::Run(const std::vector<std::string>& paths, size_t threads) {
  BusyCursor busy(port_);
  const int64_t start = run_.Now();
  return Show(CountCorpus(paths, threads, conversion_), start);
}

CorpusStatistics CorpusRun::Merge(const std::vector<std::string>& partials, size_t threads) {
  BusyCursor busy(port_);
  const int64_t start = run_.Now();
  PartialMerge merge;
  try {
    RunJobsInOrder<PartialCount>(
        partials.size(), threads, [&](size_t i) { return ReadPartialCount(partials[i]); },
        [&](size_t, const PartialCount& partial) { merge.Add(partial); });
  } catch (const Error& error) {
    throw Error(std::string(error.what()) + "；合并已取消", error.file());
  }
  return Show(merge.Take(), start);
}

CorpusStatistics CorpusRun::Show(CorpusCount count, int64_t start) {
  std::vector<SkippedText> skipped = count.Skipped();
  CorpusTally& tally = count.tally;
  if (tally.Texts() == 0) {
    if (!skipped.empty()) port_.ShowMessage(SkippedMessage(skipped));
    throw Error("没有可以统计的文档");
  }
  std::vector<WordSpread> spread = tally.Spread();
  auto words = std::make_shared<const FirstSeenCounter>(tally.TakeWords());
  run_.ShowCounted(words, start,
                   std::string("\r") + kTextsLine + std::to_string(tally.Texts()) + '\r' +
                       kSkippedLine + std::to_string(skipped.size()));
  if (!skipped.empty()) port_.ShowMessage(SkippedMessage(skipped));
  return CorpusStatistics(state_.completed_runs, std::move(words), std::move(spread), tally.Texts(),
                          std::move(skipped));
}

}  // namespace tarn
