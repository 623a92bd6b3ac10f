#include "wordlists/PendingFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <random>
#include <string>

#include "text/Error.h"

namespace tarn {

namespace {

// A fresh name beside `path`, with a suffix that no word list uses.
std::string TempNameFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  thread_local std::mt19937 random(std::random_device{}());
  return path + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
         std::to_string(random() % 1000000) + ".tmp";
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

PendingFile::PendingFile(std::string path, std::string_view bytes) : path_(std::move(path)) {
  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    temp_path_ = TempNameFor(path_);
    fd = ::open(temp_path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt == 100)) {
      const int error_number = errno;
      temp_path_.clear();
      throw CannotCreateFile(path_, error_number);
    }
  }
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    ::unlink(temp_path_.c_str());
    temp_path_.clear();
    throw Error("Stream write error");
  }
}

PendingFile::~PendingFile() {
  if (!temp_path_.empty()) ::unlink(temp_path_.c_str());
}

void PendingFile::Commit() {
  if (::rename(temp_path_.c_str(), path_.c_str()) != 0) throw CannotCreateFile(path_, errno);
  temp_path_.clear();
}

}  // namespace tarn
