// Feeds arbitrary bytes to the EPUB reader as a file. Damaged archives, packages and chapters
// must give a failure, never a crash, a hang or a sanitizer report.
#include "MarkupReadersFuzz.h"
#include "documents/EpubReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tarn::fuzz::ReadAsFile(data, size, "tarn-fuzz-epub", tarn::ReadEpub);
  return 0;
}
