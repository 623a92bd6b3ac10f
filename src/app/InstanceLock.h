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

  // The lock file for `name`, from $XDG_RUNTIME_DIR and /tmp as the overload below says.
  static std::string PathFor(const std::string& name);

  // The lock file for `name` in `runtime_folder` when that is not empty. Otherwise in
  // `temp_root`/tarn-<uid>, made private when missing, but only while that folder is a real
  // folder of this user with mode 0700: one that another user made or can write to would let
  // that user hold the lock, so a new private folder `temp_root`/tarn-<uid>.XXXXXX is made
  // instead. Empty when no folder can be made.
  static std::string PathFor(const std::string& name, const std::string& runtime_folder,
                             const std::string& temp_root);

 private:
  int fd_ = -1;
  State state_ = State::kUnavailable;
};

}  // namespace tarn::app
