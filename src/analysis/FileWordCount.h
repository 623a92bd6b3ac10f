#pragma once

#include <cstddef>
#include <string>

namespace tarn {

class WordStreamCounter;

// Block size of the document reader: large enough that system calls cost nothing, small
// enough that memory stays flat however big the document is.
inline constexpr size_t kDocumentBlockSize = size_t{1} << 20;

// Feeds the file at `path` to `counter` block by block, stopping at the first NUL, and finishes
// it. Throws Error "Cannot open file ..." when the file cannot be opened and "Stream read error"
// when reading fails midway.
void CountFileWords(const std::string& path, WordStreamCounter& counter);

}  // namespace tarn
