#include "analysis/FileWordCount.h"

#include "analysis/WordStreamCounter.h"
#include "wordlists/TextFileStream.h"

namespace tarn {

void CountFileWords(const std::string& path, WordStreamCounter& counter) {
  StreamTextFile(
      path, [&counter](std::string_view text) { counter.Feed(text); },
      [&counter] { counter.Reset(); });
  counter.Finish();
}

}  // namespace tarn
