#include "analysis/DocumentWords.h"

#include <string_view>

#include "analysis/FileWordCount.h"
#include "analysis/RunProgress.h"
#include "analysis/WordStreamCounter.h"
#include "documents/DocumentConversion.h"

namespace tarn {

namespace {

// Feeds a converted document's lines to the counter as they come, each followed by CR LF,
// and to `kept` when there is one. Once the run is cancelled the rest goes nowhere: a reader
// is no place to throw from.
class CounterSink : public DocumentSink {
 public:
  CounterSink(WordStreamCounter& counter, std::string* kept, const FileProgress* progress)
      : counter_(counter), kept_(kept), progress_(progress) {}
  void Text(std::string_view piece) override {
    if (muted_) return;
    counter_.Feed(piece);
    if (kept_ != nullptr) kept_->append(piece);
  }
  void EndLine() override {
    muted_ = muted_ || (progress_ != nullptr && progress_->Cancelled());
    if (muted_) return;
    counter_.Feed("\r\n");
    if (kept_ != nullptr) kept_->append("\r\n");
    ++lines_;
  }
  size_t Lines() const { return lines_; }

 private:
  WordStreamCounter& counter_;
  std::string* kept_;
  const FileProgress* progress_;
  bool muted_ = false;
  size_t lines_ = 0;
};

}  // namespace

DocumentReading CountDocument(const std::string& path, DocumentKind kind,
                              WordStreamCounter& counter, const ConversionSettings& settings,
                              std::string* kept, FileProgress* progress) {
  if (kind == DocumentKind::kText) {
    CountFileWords(path, counter, progress);
    return {ConversionResult::kDone, counter.HasText()};
  }
  CounterSink sink(counter, kept, progress);
  const ConversionResult result = ConvertDocument(path, kind, sink, settings);
  if (progress != nullptr) progress->Check();
  if (result != ConversionResult::kDone) return {result, false};
  counter.Finish();
  return {result, sink.Lines() > 0};
}

}  // namespace tarn
