#pragma once

#include <string>

namespace tarn {

// Marks a temporary file for removal should SIGINT, SIGTERM or SIGHUP end the process while the
// mark lives. The first mark installs the handler for each of those signals that still has its
// default action (an ignored signal stays ignored); the handler removes the marked files and
// then lets the signal end the process as it would have. A mark is a no-op when its path is
// longer than the system allows or many files are marked at once.
class TempFileMark {
 public:
  explicit TempFileMark(const std::string& path);
  ~TempFileMark();
  TempFileMark(const TempFileMark&) = delete;
  TempFileMark& operator=(const TempFileMark&) = delete;

 private:
  int slot_;
};

}  // namespace tarn
