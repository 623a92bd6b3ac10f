#include "corpus/CorpusRun.h"

#include <memory>
#include <utility>

#include "corpus/CorpusCount.h"
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
  return Show(Count(paths, threads, nullptr));
}

CountedCorpus CorpusRun::Count(const std::vector<std::string>& paths, size_t threads,
                               RunProgress* progress) const {
  const int64_t start = run_.Now();
  return Counted(CountCorpus(paths, threads, conversion_, progress), start, threads);
}

CorpusStatistics CorpusRun::Merge(const std::vector<std::string>& partials, size_t threads) {
  BusyCursor busy(port_);
  const int64_t start = run_.Now();
  PartialMerge merge;
  try {
    merge.AddFiles(partials, threads);
  } catch (const Error& error) {
    throw Error(std::string(error.what()) + "；合并已取消", error.file());
  }
  return Show(Counted(merge.Take(), start, threads));
}

CountedCorpus CorpusRun::Counted(CorpusCount count, int64_t start, size_t threads) {
  CountedCorpus counted;
  counted.start = start;
  counted.skipped = count.Skipped();
  counted.texts = count.tally.Texts();
  if (counted.texts > 0) {
    counted.words = SharedWords(count.tally.TakeWords());
    counted.spread = count.tally.Spread(*counted.words, threads);
  }
  return counted;
}

CorpusStatistics CorpusRun::Show(CountedCorpus counted) {
  if (counted.texts == 0) {
    if (!counted.skipped.empty()) port_.ShowMessage(SkippedMessage(counted.skipped));
    throw Error("没有可以统计的文档");
  }
  run_.ShowCounted(counted.words, counted.start,
                   std::string("\r") + kTextsLine + std::to_string(counted.texts) + '\r' +
                       kSkippedLine + std::to_string(counted.skipped.size()));
  if (!counted.skipped.empty()) port_.ShowMessage(SkippedMessage(counted.skipped));
  return CorpusStatistics(state_.completed_runs, std::move(counted.words),
                          std::move(counted.spread), counted.texts, std::move(counted.skipped));
}

}  // namespace tarn
