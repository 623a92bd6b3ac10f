#include "wordlists/PendingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "text/Error.h"
#include "wordlists/SaveTarget.h"

namespace tarn {

namespace {

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

PendingFile::PendingFile(std::string path, std::string_view bytes, LinkedTarget linked)
    : path_(std::move(path)),
      target_(linked == LinkedTarget::kFollow ? ResolveSaveTarget(path_) : path_) {
  RemoveStaleTempFiles(target_);
  struct stat old {};
  const bool replaces = ::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode);

  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    temp_path_ = TempNameFor(target_);
    fd = ::open(temp_path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt == 100)) {
      const int error_number = errno;
      temp_path_.clear();
      throw CannotCreateFile(path_, error_number);
    }
  }
  mark_.emplace(temp_path_);
  const bool written =
      (!replaces || TakeOverOwnerAndMode(fd, old)) && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    ::unlink(temp_path_.c_str());
    temp_path_.clear();
    mark_.reset();
    throw Error("Stream write error", path_);
  }
}

PendingFile::~PendingFile() {
  if (!temp_path_.empty()) ::unlink(temp_path_.c_str());
}

void PendingFile::Commit() {
  if (::rename(temp_path_.c_str(), target_.c_str()) != 0) throw CannotCreateFile(path_, errno);
  temp_path_.clear();
  mark_.reset();
}

}  // namespace tarn
