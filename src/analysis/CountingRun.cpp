#include "analysis/CountingRun.h"

#include <chrono>
#include <cstdio>
#include <future>
#include <string_view>

#include "analysis/FileWordCount.h"
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

// Feeds a converted document's lines to the counter as they come, each followed by CR LF,
// and to `kept` when there is one.
class CounterSink : public DocumentSink {
 public:
  CounterSink(WordStreamCounter& counter, std::string* kept) : counter_(counter), kept_(kept) {}
  void Text(std::string_view piece) override {
    counter_.Feed(piece);
    if (kept_ != nullptr) kept_->append(piece);
  }
  void EndLine() override {
    counter_.Feed("\r\n");
    if (kept_ != nullptr) kept_->append("\r\n");
    ++lines_;
  }
  size_t Lines() const { return lines_; }

 private:
  WordStreamCounter& counter_;
  std::string* kept_;
  size_t lines_ = 0;
};

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
  const DocumentKind kind = KindOfDocument(path);
  const int64_t start = clock_();
  // The counter is the run's own until the end: a read error or a failed conversion, however
  // far it got, leaves the statistics untouched.
  WordStreamCounter counter(true);
  if (kind == DocumentKind::kText) {
    CountFileWords(path, counter);
    state_.text_view.clear();
    if (!counter.HasText()) return false;
  } else {
    CounterSink sink(counter, kept_text_);
    const ConversionResult result = ConvertDocument(path, kind, sink, conversion_);
    if (result != ConversionResult::kDone) {
      port_.ShowMessage(ConversionMessage(result, path, kind));
      return false;
    }
    counter.Finish();
    state_.text_view.clear();
    if (sink.Lines() == 0) return false;
  }
  FinishFileRun(counter, start);
  return true;
}

bool CountingRun::RunLines(const std::vector<std::string>& lines) {
  BusyCursor busy(port_);
  state_.text_view.clear();
  if (lines.empty()) return false;
  const int64_t start = clock_();
  WordStreamCounter counter(true);
  FeedLines(lines, counter);
  FinishFileRun(counter, start);
  return true;
}

void CountingRun::FinishFileRun(WordStreamCounter& counter, int64_t start) {
  THashTable& words = *state_.WordTable;
  words.Clear();
  counter.FillTable(words);
  state_.TotalWords = counter.Words().TotalCount();  // what TotalCount gives, without a traversal
  state_.DistinctWords = words.ItemCount();
  words.Subtract(stop_words_);
  state_.StoppedDistinct = state_.DistinctWords - words.ItemCount();
  state_.summary_label =
      Line(kTotalLine, state_.TotalWords) + '\r' + Line(kDistinctLine, state_.DistinctWords) +
      '\r' + Line(kStoppedLine, state_.StoppedDistinct) + '\r' + Line(kLeftLine, words.ItemCount());
  state_.text_view.clear();
  int64_t elapsed = (clock_() - start) % kMillisecondsPerDay;
  if (elapsed < 0) elapsed += kMillisecondsPerDay;
  if (elapsed > kQuietMilliseconds) {
    port_.ShowMessage("统计结束，分词及统计（不算显示）共耗时" + SecondsText(elapsed) + "秒！\r" +
                      "请点击分析菜单，查看分析报告！");
  }
  // The snapshot and the listing only read the table: one is made while the other is written.
  std::future<std::unique_ptr<THashTable>> snapshot =
      std::async(std::launch::async, [&words] { return words.Clone(); });
  state_.text_view = ListingOf(words);
  state_.DocumentLoaded = true;
  state_.name_evidence = counter.TakeEvidence();
  state_.SnapshotTable = snapshot.get();
}

void CountingRun::RunClipboard(const std::vector<std::string>& lines) {
  auto table = std::make_unique<THashTable>(256);
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
  state_.SnapshotTable = table->Clone();
}

}  // namespace tarn
