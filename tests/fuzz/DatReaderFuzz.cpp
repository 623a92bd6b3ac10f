// Feeds arbitrary bytes to the .dat reader. Besides crashes and sanitizer reports it checks that
// whatever the reader accepts is written back to bytes that read as the same entries.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "text/Error.h"
#include "wordlists/DatEncoder.h"
#include "wordlists/DatParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::u16string> entries;
  try {
    tarn::ParseDat(bytes, [&entries](std::u16string&& entry) { entries.push_back(entry); });
  } catch (const tarn::Error&) {
    return 0;
  }
  std::vector<std::u16string> again;
  tarn::ParseDat(tarn::EncodeDatEntries(entries),
                 [&again](std::u16string&& entry) { again.push_back(entry); });
  if (again != entries) std::abort();
  return 0;
}
