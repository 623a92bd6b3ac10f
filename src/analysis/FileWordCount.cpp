#include "analysis/FileWordCount.h"

#include "analysis/RunProgress.h"
#include "analysis/WordStreamCounter.h"
#include "wordlists/TextFileStream.h"

namespace tarn {

void CountFileWords(const std::string& path, WordStreamCounter& counter, FileProgress* progress,
                    const std::function<bool(std::string_view)>& accept) {
  bool accepted = true;
  const auto check = [&](std::string_view first) { return accepted = accept(first); };
  const auto restart = [&counter, progress] {
    counter.Reset();
    if (progress != nullptr) progress->Rewind();
  };
  std::function<void(size_t)> read;
  if (progress != nullptr) read = [progress](size_t bytes) { progress->Read(bytes); };
  StreamTextFile(
      path, [&counter](std::string_view text) { counter.Feed(text); }, restart, kTextBlockSize,
      read, accept ? std::function<bool(std::string_view)>(check) : nullptr);
  if (accepted) counter.Finish();
}

}  // namespace tarn
