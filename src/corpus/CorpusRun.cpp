#include "corpus/CorpusRun.h"

#include <memory>
#include <utility>

#include "corpus/CorpusCounting.h"
#include "corpus/CorpusTally.h"
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
  CorpusTally tally;
  std::vector<SkippedText> skipped = CountCorpusTexts(
      paths, threads, conversion_, [&tally](const FirstSeenCounter& text) { tally.AddText(text); });
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
