// Feeds arbitrary bytes to the .docx and .odt readers as a file. Damaged archives and XML must
// give a failure, never a crash or a sanitizer report.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "documents/OfficeText.h"

namespace {

// Keeps nothing; the readers' own checks are what is exercised.
class NullSink : public tarn::DocumentSink {
 public:
  void Text(std::string_view) override {}
  void EndLine() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  char path[] = "/tmp/tarn-fuzz-office-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) std::abort();
  if (write(fd, data, size) != static_cast<ssize_t>(size)) std::abort();
  close(fd);
  // Small caps keep a fuzzed archive from inflating for long.
  tarn::DocumentLimits limits;
  limits.max_xml_bytes = size_t{1} << 20;
  limits.max_text_bytes = size_t{1} << 20;
  NullSink sink;
  tarn::ReadOfficeText(path, tarn::OfficeFormat::kDocx, sink, limits);
  tarn::ReadOfficeText(path, tarn::OfficeFormat::kOdt, sink, limits);
  unlink(path);
  return 0;
}
