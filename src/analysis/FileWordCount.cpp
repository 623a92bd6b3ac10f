#include "analysis/FileWordCount.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <string_view>

#include "analysis/WordStreamCounter.h"
#include "text/Error.h"

namespace tarn {

namespace {

// Closes the descriptor on every way out.
struct FileCloser {
  int fd;
  ~FileCloser() { ::close(fd); }
};

}  // namespace

void CountFileWords(const std::string& path, WordStreamCounter& counter) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw CannotOpenFile(path, errno);
  FileCloser closer{fd};
  const auto block = std::make_unique<char[]>(kDocumentBlockSize);
  while (true) {
    const ssize_t got = ::read(fd, block.get(), kDocumentBlockSize);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw Error("Stream read error");
    }
    if (got == 0) break;
    counter.Feed(std::string_view(block.get(), static_cast<size_t>(got)));
    if (counter.Ended()) break;  // a NUL ended the text; the rest is not read
  }
  counter.Finish();
}

}  // namespace tarn
