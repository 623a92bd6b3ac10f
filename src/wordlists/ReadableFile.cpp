#include "wordlists/ReadableFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tarn {

ReadableFile::ReadableFile(const std::string& path)
    // Without O_NONBLOCK, opening a FIFO waits for a writer, possibly forever.
    : path_(path), fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {
  if (fd_ < 0) throw CannotOpenFile(path, errno);
  struct stat info {};
  const int error = ::fstat(fd_, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
  if (error != 0) {
    ::close(fd_);
    throw CannotOpenFile(path, error);
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd_);
    throw RefusedFile(path, "Not a regular file");
  }
  const int flags = ::fcntl(fd_, F_GETFL);
  if (flags < 0 || ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    const int fcntl_error = errno;
    ::close(fd_);
    throw CannotOpenFile(path, fcntl_error);
  }
  size_ = static_cast<uint64_t>(info.st_size);
}

ReadableFile::~ReadableFile() { ::close(fd_); }

size_t ReadableFile::Read(char* buffer, size_t size) {
  while (true) {
    const ssize_t got = ::read(fd_, buffer, size);
    if (got >= 0) return static_cast<size_t>(got);
    if (errno != EINTR) throw Error("Stream read error", path_);
  }
}

size_t ReadableFile::ReadFull(char* buffer, size_t size) {
  size_t filled = 0;
  while (filled < size) {
    const size_t got = Read(buffer + filled, size - filled);
    if (got == 0) break;
    filled += got;
  }
  return filled;
}

void ReadableFile::Rewind() {
  if (::lseek(fd_, 0, SEEK_SET) != 0) throw Error("Stream read error", path_);
}

Error RefusedFile(std::string_view path, std::string_view reason) {
  return Error("Cannot open file \"" + std::string(path) + "\". " + std::string(reason),
               std::string(path));
}

std::string ReadFileHead(const std::string& path, size_t bytes) {
  std::string head(bytes, '\0');
  ReadableFile file(path);
  head.resize(file.ReadFull(head.data(), head.size()));
  return head;
}

}  // namespace tarn
