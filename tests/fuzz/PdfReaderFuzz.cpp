// Feeds arbitrary bytes to the PDF reader. Damaged, locked and imageless PDFs must give a
// failure, never a crash or a sanitizer report; the seeds under seeds/pdf_reader are small
// PDFs of each kind.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "documents/PdfText.h"

namespace {

// Keeps nothing but checks what every sink may rely on.
class CheckingSink : public tarn::DocumentSink {
 public:
  void Text(std::string_view piece) override {
    if (piece.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
      __builtin_trap();
  }
  void EndLine() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const auto words = std::make_shared<const tarn::KnownWords>(
      std::vector<std::string>{"representatives", "information", "international"});
  tarn::PdfSettings settings;
  settings.known_words = words;
  // A small cap keeps a fuzzed document's text from growing for long.
  settings.max_text_bytes = size_t{1} << 20;
  CheckingSink sink;
  tarn::ReadPdfBytes(std::string_view(reinterpret_cast<const char*>(data), size), sink, settings);
  return 0;
}
