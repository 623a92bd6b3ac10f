#include "analysis/DocumentWords.h"

#include <string_view>

#include "analysis/FileWordCount.h"
#include "analysis/WordStreamCounter.h"
#include "documents/DocumentConversion.h"

namespace tarn {

namespace {

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

DocumentReading CountDocument(const std::string& path, DocumentKind kind,
                              WordStreamCounter& counter, const ConversionSettings& settings,
                              std::string* kept) {
  if (kind == DocumentKind::kText) {
    CountFileWords(path, counter);
    return {ConversionResult::kDone, counter.HasText()};
  }
  CounterSink sink(counter, kept);
  const ConversionResult result = ConvertDocument(path, kind, sink, settings);
  if (result != ConversionResult::kDone) return {result, false};
  counter.Finish();
  return {result, sink.Lines() > 0};
}

}  // namespace tarn
