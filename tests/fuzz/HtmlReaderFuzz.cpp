// Feeds arbitrary bytes to the HTML reader as a file. Tag soup in any encoding must give text
// or a failure, never a crash, a hang or a sanitizer report.
#include "MarkupReadersFuzz.h"
#include "documents/HtmlReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tarn::fuzz::ReadAsFile(data, size, "tarn-fuzz-html", tarn::ReadHtml);
  return 0;
}
