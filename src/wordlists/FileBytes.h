#pragma once

#include <string>
#include <string_view>

namespace tarn {

// The whole content of the file at `path` (a name in bytes, used as given). Throws
// "Cannot open file ..." when it cannot be opened and "Stream read error" when reading fails.
std::string ReadFileBytes(const std::string& path);

// Replaces the file at `path` with `bytes` through a temporary file in the same folder, so a
// failure leaves the old file (or no file) in place. Throws as PendingFile does.
void WriteFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace tarn
