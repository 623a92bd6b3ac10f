#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace tarn {

// How a child process ended, and what it wrote.
struct ProgramOutput {
  enum class Status {
    kDone,           // exited with status 0
    kCannotStart,    // missing, not executable, or no process or pipe to be had
    kFailed,         // exited with another status, died of a signal, or its output was unreadable
    kTimedOut,       // still running at the time limit
    kTooMuchOutput,  // wrote more than it was allowed
  };
  Status status = Status::kCannotStart;
  std::string output;  // the whole standard output when kDone, otherwise empty
};

// Runs `arguments` (the program, found on PATH when it names no folder, then its arguments) as a
// child process without a shell, with no input and its errors discarded, and collects its
// standard output through a pipe. The output counts only when the program exits with status 0
// within `time_limit` having written at most `max_output` bytes; when it runs out of time or
// writes more, it and every process it started are killed. `settings` ("NAME=value") are put
// into the child's environment in place of the program's own values of those names.
ProgramOutput RunProgramOutput(const std::vector<std::string>& arguments,
                               std::chrono::milliseconds time_limit, size_t max_output,
                               const std::vector<std::string>& settings = {});

}  // namespace tarn
