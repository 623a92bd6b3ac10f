#pragma once

#include <string>

namespace tarn {

class FileProgress;
class WordStreamCounter;

// Feeds the text file at `path` to `counter` block by block as code page 936 text, decoded by
// its byte-order mark or its content (UTF-8, UTF-16 or code page 936), stopping at the first NUL,
// and finishes it. Throws Error "Cannot open file ..." when the file cannot be opened and
// "Stream read error" when reading fails midway. Every block read goes to `progress` when there
// is one, which throws RunCancelled once its run is cancelled.
void CountFileWords(const std::string& path, WordStreamCounter& counter,
                    FileProgress* progress = nullptr);

}  // namespace tarn
