// Feeds arbitrary bytes to the .docx and .odt readers as a file. Damaged archives and XML must
// give "no such document", never a crash or a sanitizer report.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "wordlists/OfficeText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  char path[] = "/tmp/tarn-fuzz-office-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) std::abort();
  if (write(fd, data, size) != static_cast<ssize_t>(size)) std::abort();
  close(fd);
  // A small cap keeps a fuzzed archive from inflating for long.
  constexpr size_t kCap = size_t{1} << 20;
  tarn::ReadOfficeText(path, tarn::OfficeFormat::kDocx, kCap);
  tarn::ReadOfficeText(path, tarn::OfficeFormat::kOdt, kCap);
  unlink(path);
  return 0;
}
