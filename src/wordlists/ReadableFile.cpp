#include "wordlists/ReadableFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "text/Error.h"

namespace tarn {

ReadableFile::ReadableFile(const std::string& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
  if (fd_ < 0) throw CannotOpenFile(path, errno);
  struct stat info {};
  const int error = ::fstat(fd_, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
  if (error != 0) {
    ::close(fd_);
    throw CannotOpenFile(path, error);
  }
}

ReadableFile::~ReadableFile() { ::close(fd_); }

size_t ReadableFile::Read(char* buffer, size_t size) {
  while (true) {
    const ssize_t got = ::read(fd_, buffer, size);
    if (got >= 0) return static_cast<size_t>(got);
    if (errno != EINTR) throw Error("Stream read error");
  }
}

void ReadableFile::Rewind() {
  if (::lseek(fd_, 0, SEEK_SET) != 0) throw Error("Stream read error");
}

}  // namespace tarn
