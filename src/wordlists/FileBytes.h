#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarn {

// The most a word list (or any other file read whole) may hold: far beyond real lists, whose
// 500,000 words take about 5 MB, and small enough that a wrong file cannot exhaust memory.
inline constexpr size_t kWordListByteLimit = size_t{64} << 20;

// The whole content of the regular file at `path` (a name in bytes, used as given). Throws
// "Cannot open file ..." when it cannot be opened, is not a regular file or holds more than
// `limit` bytes (checked before reading and while reading, as a file may grow), and "Stream
// read error" when reading fails.
std::string ReadFileBytes(const std::string& path, size_t limit = kWordListByteLimit);

// Replaces the file at `path` with `bytes` through a temporary file in the same folder, so a
// failure leaves the old file (or no file) in place. Throws as PendingFile does.
void WriteFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace tarn
