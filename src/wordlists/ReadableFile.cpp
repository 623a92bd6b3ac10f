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
  // A regular file reads the same with O_NONBLOCK as without, so it stays set (Read clears it
  // should a file ever say otherwise): a corpus of thousands of files saves two calls a file.
  size_ = static_cast<uint64_t>(info.st_size);
}

ReadableFile::~ReadableFile() { ::close(fd_); }

size_t ReadableFile::Read(char* buffer, size_t size) {
  while (true) {
    const ssize_t got = ::read(fd_, buffer, size);
    if (got >= 0) {
      position_ += static_cast<uint64_t>(got);
      return static_cast<size_t>(got);
    }
    if (errno == EINTR) continue;
    if ((errno == EAGAIN || errno == EWOULDBLOCK) && StopNonBlocking()) continue;
    throw Error("Stream read error", path_);
  }
}

bool ReadableFile::StopNonBlocking() {
  const int flags = ::fcntl(fd_, F_GETFL);
  return flags >= 0 && (flags & O_NONBLOCK) != 0 && ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

size_t ReadableFile::ReadFull(char* buffer, size_t size) {
  size_t filled = 0;
  while (filled < size) {
    const size_t asked = size - filled;
    const size_t got = Read(buffer + filled, asked);
    if (got == 0) break;
    filled += got;
    if (got < asked && AtSizeRead()) break;
  }
  return filled;
}

void ReadableFile::Rewind() {
  if (::lseek(fd_, 0, SEEK_SET) != 0) throw Error("Stream read error", path_);
  position_ = 0;
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
