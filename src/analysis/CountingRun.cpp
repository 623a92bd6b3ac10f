#include "analysis/CountingRun.h"

#include <chrono>
#include <cstdio>
#include <string_view>

#include "analysis/DocumentWords.h"
#include "analysis/RunProgress.h"
#include "analysis/ViewOutput.h"
#include "analysis/WordStreamCounter.h"
#include "text/Lines.h"
#include "wordlists/UserPort.h"
#include "wordtable/Hashtable.h"

namespace tarn {

namespace {

constexpr int64_t kMillisecondsPerDay = 24 * 60 * 60 * 1000;
// Runs up to this long finish without interrupting the user.
constexpr int64_t kQuietMilliseconds = 300;

constexpr char kTotalLine[] = "该文档共有单词数：";
constexpr char kDistinctLine[] = "该文档出现过不同单词数：";
constexpr char kStoppedLine[] = "该文档停用不同单词数：";
constexpr char kLeftLine[] = "该文档停用部分词后不同单词数：";

// Seconds in general form, at most 15 significant digits, the C library locale's separator.
std::string SecondsText(int64_t milliseconds) {
  char text[64];
  std::snprintf(text, sizeof text, "%.15g", static_cast<double>(milliseconds) / 1000.0);
  return text;
}

std::string Line(const char* caption, int64_t number) { return caption + std::to_string(number); }

// Feeds the lines joined with CR LF after every line, without building the joined text.
void FeedLines(const std::vector<std::string>& lines, WordStreamCounter& counter) {
  for (const std::string& line : lines) {
    counter.Feed(line);
    counter.Feed("\r\n");
  }
  counter.Finish();
}

}  // namespace

int64_t SteadyMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

CountingRun::CountingRun(StatisticsState& state, const THashTable& stop_words, UserPort& port,
                         MillisecondClock clock)
    : state_(state), stop_words_(stop_words), port_(port), clock_(std::move(clock)) {}

bool CountingRun::RunFile(const std::string& path) {
  BusyCursor busy(port_);
  return ShowFile(CountFile(path, nullptr));
}

CountedDocument CountingRun::CountFile(const std::string& path, RunProgress* progress) const {
  CountedDocument counted;
  counted.path = path;
  counted.kind = KindOfDocument(path);
  counted.start = clock_();
  const uint64_t size = progress != nullptr ? FileSizeOrZero(path) : 0;
  if (progress != nullptr) progress->Begin(1, size);
  FileProgress file(progress, path, size);
  // The counter is the run's own until the end: a read error, a failed conversion or a cancel,
  // however far it got, leaves the statistics untouched.
  WordStreamCounter counter(true);
  counted.reading = CountDocument(path, counted.kind, counter, conversion_, kept_text_, &file);
  file.Done();
  if (counted.reading.result == ConversionResult::kDone && counted.reading.has_text) {
    counted.words = SharedWords(counter.TakeWords());
  }
  return counted;
}

bool CountingRun::ShowFile(const CountedDocument& counted) {
  if (counted.reading.result != ConversionResult::kDone) {
    port_.ShowMessage(ConversionMessage(counted.reading.result, counted.path, counted.kind));
    return false;
  }
  state_.text_view.clear();
  if (!counted.reading.has_text) return false;
  ShowCounted(counted.words, counted.start);
  return true;
}

bool CountingRun::RunLines(const std::vector<std::string>& lines) {
  BusyCursor busy(port_);
  state_.text_view.clear();
  if (lines.empty()) return false;
  const int64_t start = clock_();
  WordStreamCounter counter(true);
  FeedLines(lines, counter);
  ShowCounted(SharedWords(counter.TakeWords()), start);
  return true;
}

void CountingRun::ShowCounted(std::shared_ptr<const CountedWords> counted, int64_t start,
                              const std::string& summary_tail) {
  THashTable& words = *state_.WordTable;
  words.Clear();
  FillWordTable(*counted, words);
  state_.TotalWords = counted->TotalCount();  // what TotalCount gives, without a traversal
  state_.DistinctWords = words.ItemCount();
  words.Subtract(stop_words_);
  state_.StoppedDistinct = state_.DistinctWords - words.ItemCount();
  state_.summary_label = Line(kTotalLine, state_.TotalWords) + '\r' +
                         Line(kDistinctLine, state_.DistinctWords) + '\r' +
                         Line(kStoppedLine, state_.StoppedDistinct) + '\r' +
                         Line(kLeftLine, words.ItemCount()) + summary_tail;
  state_.text_view.clear();
  int64_t elapsed = (clock_() - start) % kMillisecondsPerDay;
  if (elapsed < 0) elapsed += kMillisecondsPerDay;
  if (elapsed > kQuietMilliseconds) {
    port_.ShowMessage("统计结束，分词及统计（不算显示）共耗时" + SecondsText(elapsed) + "秒！\r" +
                      "请点击分析菜单，查看分析报告！");
  }
  state_.text_view = ListingOf(words);
  state_.DocumentLoaded = true;
  state_.name_evidence = NameEvidence(std::move(counted));
  state_.SnapshotWordTable();
  ++state_.completed_runs;
}

void CountingRun::RunClipboard(const std::vector<std::string>& lines) {
  auto table = std::make_unique<THashTable>(256);
  // The snapshot of the last run is made before its words go.
  state_.SnapshotTable();
  state_.WordTable->Clear();
  BusyCursor busy(port_);
  WordStreamCounter counter(false);
  FeedLines(lines, counter);
  counter.FillTable(*table);
  state_.TotalWords = counter.Words().TotalCount();
  state_.DistinctWords = table->ItemCount();
  table->Subtract(stop_words_);
  state_.StoppedDistinct = state_.DistinctWords - table->ItemCount();
  state_.text_view.clear();
  state_.summary_label = Line(kTotalLine, state_.TotalWords) + '\r' +
                         Line(kDistinctLine, state_.DistinctWords) + '\r' +
                         Line(kLeftLine, table->ItemCount()) + '\r' +
                         Line(kStoppedLine, state_.StoppedDistinct);
  state_.text_view = ListingOf(*table);
  state_.DocumentLoaded = true;
  state_.name_evidence = counter.TakeEvidence();
  state_.WordTable = table->Clone();
  state_.SetSnapshotTable(table->Clone());
  ++state_.completed_runs;
}

}  // namespace tarn
