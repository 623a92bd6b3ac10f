#include "app/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace tarn::app {

InstanceLock::InstanceLock(const std::string& path) {
  if (path.empty()) return;
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
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
  std::string folder;
  if (runtime != nullptr && *runtime != '\0') {
    folder = runtime;
  } else {
    folder = "/tmp/tarn-" + std::to_string(::getuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
  }
  return folder + "/" + name + ".lock";
}

}  // namespace tarn::app
