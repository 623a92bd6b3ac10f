#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "analysis/CountedWords.h"
#include "analysis/DocumentWords.h"
#include "analysis/StatisticsState.h"
#include "documents/DocumentConversion.h"

namespace tarn {

class RunProgress;
class THashTable;
class UserPort;

// Milliseconds on a clock that only moves forward; runs read it to time themselves.
using MillisecondClock = std::function<int64_t()>;

// The steady clock of the machine, in milliseconds.
int64_t SteadyMilliseconds();

// A document read and counted by the file run, not yet made the statistics.
struct CountedDocument {
  std::string path;
  DocumentKind kind = DocumentKind::kText;
  int64_t start = 0;  // when the run began, on the run's clock
  DocumentReading reading;
  std::shared_ptr<const CountedWords> words;  // set when the reading gave text
};

// The two counting runs of the main window: each turns a document into the word statistics of
// `state` (tables, counters, summary label, listing in the text view).
class CountingRun {
 public:
  // `stop_words` is read, never changed; the runs talk to the user through `port`.
  CountingRun(StatisticsState& state, const THashTable& stop_words, UserPort& port,
              MillisecondClock clock = SteadyMilliseconds);

  // The file run over the document at `path`: a text file in any common encoding, read once in
  // blocks, or a Word, .docx, .odt or PDF document, whose text is counted as it is converted
  // (DocumentKind). The text view is emptied only once the text is in hand; returns false, with
  // nothing else changed, when the document gives no line. A failed conversion shows its
  // ConversionMessage and returns false with nothing changed. Throws the file-open or read
  // error, leaving everything as it was.
  bool RunFile(const std::string& path);
  // RunFile in two halves. CountFile reads and counts, touching neither the statistics nor the
  // port, so that it may run on another thread while the caller waits; it reports to
  // `progress` when there is one. Throws the file-open or read error, or RunCancelled.
  CountedDocument CountFile(const std::string& path, RunProgress* progress) const;
  // ShowFile, back on the caller's thread, ends the run as RunFile does and returns what it
  // returns.
  bool ShowFile(const CountedDocument& counted);
  // The file run over a document already read as lines (code page 936); false when there are
  // none.
  bool RunLines(const std::vector<std::string>& lines);
  // The clipboard run over the clipboard's lines (code page 936), possibly none.
  void RunClipboard(const std::vector<std::string>& lines);

  // Replaces the converter program, its time limit, the size caps of the conversions and the
  // words the PDF reader's hyphen joining knows.
  void SetConversion(const ConversionSettings& settings) { conversion_ = settings; }
  // Ends a file run over `counted`, which began at `start` on the run's clock: the tables, the
  // counters, the summary label (its four lines followed by `summary_tail`), the listing and
  // the name evidence, as RunFile leaves them.
  void ShowCounted(std::shared_ptr<const CountedWords> counted, int64_t start,
                   const std::string& summary_tail = {});
  // The time on the run's clock.
  int64_t Now() const { return clock_(); }

  // Makes RunFile also write a converted document's text, as it was counted (each line followed
  // by CR LF), to `text`; what it holds after a failed run is no whole text.
  void KeepConvertedText(std::string* text) { kept_text_ = text; }

 private:
  StatisticsState& state_;
  const THashTable& stop_words_;
  UserPort& port_;
  MillisecondClock clock_;
  ConversionSettings conversion_;
  std::string* kept_text_ = nullptr;
};

}  // namespace tarn
