#include "wordlists/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "text/Error.h"
#include "wordlists/PendingFile.h"

namespace tarn {

namespace {

// Closes the descriptor on every way out.
struct FdCloser {
  int fd;
  ~FdCloser() { ::close(fd); }
};

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw CannotOpenFile(path, errno);
  FdCloser closer{fd};
  struct stat info {};
  if (::fstat(fd, &info) != 0) throw CannotOpenFile(path, errno);
  if (S_ISDIR(info.st_mode)) throw CannotOpenFile(path, EISDIR);

  std::string bytes;
  if (S_ISREG(info.st_mode) && info.st_size > 0) bytes.reserve(static_cast<size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw Error("Stream read error");
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<size_t>(got));
  }
  return bytes;
}

void WriteFileReplacing(const std::string& path, std::string_view bytes) {
  PendingFile pending(path, bytes);
  pending.Commit();
}

}  // namespace tarn
