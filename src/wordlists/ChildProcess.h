#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarn {

// Runs `arguments` (the program, found on PATH when it names no folder, then its arguments) as a
// child process without a shell, with no input and its errors discarded, and collects its
// standard output through a pipe. Returns the output when the program exits with status 0
// within `time_limit`; nothing when it cannot be started, fails, writes more than `max_output`
// bytes or runs out of time, in which case it and every process it started are killed.
std::optional<std::string> RunProgramOutput(const std::vector<std::string>& arguments,
                                            std::chrono::milliseconds time_limit,
                                            size_t max_output);

}  // namespace tarn
