#include "app/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>

namespace tarn::app {

InstanceLock::InstanceLock(const std::string& path) {
  if (path.empty()) return;
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd_ < 0) return;
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    state_ = State::kAcquired;
    return;
  }
  state_ = errno == EWOULDBLOCK ? State::kHeldElsewhere : State::kUnavailable;
  ::close(fd_);
  fd_ = -1;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);  // closing the last descriptor drops the flock
}

std::string InstanceLock::PathFor(const std::string& name) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return PathFor(name, runtime != nullptr ? runtime : "", "/tmp");
}

namespace {

// A folder of this user that nobody else can write to or replace: not a link, mode 0700.
bool IsPrivateFolder(const std::string& folder) {
  struct stat info {};
  return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_uid == ::getuid() && (info.st_mode & 07777) == 0700;
}

}  // namespace

std::string InstanceLock::PathFor(const std::string& name, const std::string& runtime_folder,
                                  const std::string& temp_root) {
  std::string folder = runtime_folder;
  if (folder.empty()) {
    folder = temp_root + "/tarn-" + std::to_string(::getuid());
    if (::mkdir(folder.c_str(), 0700) == 0) {
      ::chmod(folder.c_str(), 0700);  // whatever the umask took away
    } else if (errno != EEXIST) {
      return {};
    }
    if (!IsPrivateFolder(folder)) {
      std::string pattern = folder + ".XXXXXX";
      if (::mkdtemp(pattern.data()) == nullptr) return {};
      folder = std::move(pattern);
    }
  }
  return folder + "/" + name + ".lock";
}

}  // namespace tarn::app
