#include "wordlists/FileBytes.h"

#include "wordlists/PendingFile.h"
#include "wordlists/ReadableFile.h"

namespace tarn {

namespace {

constexpr size_t kMebibyte = size_t{1} << 20;

Error TooLarge(const std::string& path, size_t limit) {
  const std::string amount = limit % kMebibyte == 0 ? std::to_string(limit / kMebibyte) + " MiB"
                                                    : std::to_string(limit) + " bytes";
  return RefusedFile(path, "File is larger than " + amount);
}

}  // namespace

std::string ReadFileBytes(const std::string& path, size_t limit) {
  ReadableFile file(path);
  if (file.Size() > limit) throw TooLarge(path, limit);

  std::string bytes;
  bytes.reserve(static_cast<size_t>(file.Size()));
  char buffer[65536];
  for (;;) {
    // One byte beyond the limit tells a file that grew past it from one that just fills it.
    const size_t room = limit - bytes.size();
    const size_t got = file.Read(buffer, room < sizeof buffer ? room + 1 : sizeof buffer);
    if (got == 0) break;
    bytes.append(buffer, got);
    if (bytes.size() > limit) throw TooLarge(path, limit);
  }
  return bytes;
}

void WriteFileReplacing(const std::string& path, std::string_view bytes) {
  PendingFile pending(path, bytes);
  pending.Commit();
}

}  // namespace tarn
