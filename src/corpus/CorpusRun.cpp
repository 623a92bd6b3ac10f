#include "corpus/CorpusRun.h"

#include <memory>
#include <utility>

#include "analysis/RunProgress.h"
#include "corpus/CorpusTally.h"
#include "corpus/CorpusText.h"
#include "corpus/JobPool.h"
#include "text/Error.h"
#include "wordlists/UserPort.h"

namespace tarn {

namespace {

constexpr char kTextsLine[] = "该语料共有文本数：";
constexpr char kSkippedLine[] = "未能统计的文件数：";

std::string SkippedMessage(const std::vector<SkippedText>& skipped) {
  std::string message = "以下 " + std::to_string(skipped.size()) + " 项没有统计：";
  for (const SkippedText& text : skipped) message += '\r' + text.reason;
  return message;
}

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
  CountedCorpus counted;
  counted.start = run_.Now();
  CorpusFiles corpus = ListCorpusFiles(paths);
  counted.skipped = std::move(corpus.skipped);
  std::vector<uint64_t> sizes;
  if (progress != nullptr) {
    progress->ThrowIfCancelled();
    uint64_t bytes = 0;
    for (const std::string& file : corpus.files) bytes += sizes.emplace_back(FileSizeOrZero(file));
    progress->Begin(corpus.files.size(), bytes);
  }
  CorpusTally tally;
  RunJobsInOrder<CountedText>(
      corpus.files.size(), threads,
      [&](size_t i) {
        FileProgress file(progress, corpus.files[i], progress != nullptr ? sizes[i] : 0);
        CountedText text = CountCorpusText(corpus.files[i], conversion_, &file);
        file.Done();
        return text;
      },
      [&](size_t i, CountedText& text) {
        if (text.failure.empty()) {
          tally.AddText(text.words);
        } else {
          counted.skipped.push_back({corpus.files[i], std::move(text.failure)});
        }
      });
  if (progress != nullptr) progress->ThrowIfCancelled();
  counted.texts = tally.Texts();
  if (counted.texts > 0) {
    counted.spread = tally.Spread();
    counted.words = std::make_shared<const FirstSeenCounter>(tally.TakeWords());
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
