#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "documents/DocumentLimits.h"

namespace tarn::fuzz {

// Keeps nothing; the readers' own checks are what is exercised.
class NullSink : public DocumentSink {
 public:
  void Text(std::string_view) override {}
  void EndLine() override {}
};

// Writes the input to a file and hands it to `read` with small caps, which keep a fuzzed
// document from expanding for long.
template <typename Reader>
void ReadAsFile(const uint8_t* data, size_t size, const char* pattern_name, Reader read) {
  char path[64];
  std::snprintf(path, sizeof path, "/tmp/%s-XXXXXX", pattern_name);
  const int fd = mkstemp(path);
  if (fd < 0) std::abort();
  if (write(fd, data, size) != static_cast<ssize_t>(size)) std::abort();
  close(fd);
  DocumentLimits limits;
  limits.max_xml_bytes = size_t{1} << 20;
  limits.max_text_bytes = size_t{1} << 20;
  NullSink sink;
  read(path, sink, limits);
  unlink(path);
}

}  // namespace tarn::fuzz
