#pragma once

#include <string>

namespace tarn::app {

// The name of the lock that keeps one desktop program running per user.
inline constexpr const char* kInstanceLockName = "My   toolbar";

// A lock that one process of the user holds at a time: an exclusive flock on a lock file. The
// system releases it when the process ends, however it ends.
class InstanceLock {
 public:
  enum class State {
    kAcquired,       // this process holds the lock until the object is destroyed
    kHeldElsewhere,  // another process (or another InstanceLock) holds it
    kUnavailable,    // the lock file could not be created at all
  };

  // Tries the lock file at `path` without waiting.
  explicit InstanceLock(const std::string& path);
  // Releases the lock when it was acquired.
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // What the attempt gave.
  State state() const { return state_; }

  // The lock file for `name`: in $XDG_RUNTIME_DIR, else in /tmp/tarn-<uid> (made private when
  // missing). Empty when no folder can be made.
  static std::string PathFor(const std::string& name);

 private:
  int fd_ = -1;
  State state_ = State::kUnavailable;
};

}  // namespace tarn::app
