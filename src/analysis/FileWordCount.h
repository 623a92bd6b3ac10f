#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tarn {

class FileProgress;
class WordStreamCounter;

// Feeds the text file at `path` to `counter` block by block as code page 936 text, decoded by
// its byte-order mark or its content (UTF-8, UTF-16 or code page 936), stopping at the first NUL,
// and finishes it. Throws Error "Cannot open file ..." when the file cannot be opened and
// "Stream read error" when reading fails midway. Every block read goes to `progress` when there
// is one, which throws RunCancelled once its run is cancelled. `accept`, when given, sees the
// file's first block first, as StreamTextFile shows it, and may refuse the file: nothing is fed
// then, and the counter is not finished.
void CountFileWords(const std::string& path, WordStreamCounter& counter,
                    FileProgress* progress = nullptr,
                    const std::function<bool(std::string_view)>& accept = {});

}  // namespace tarn
