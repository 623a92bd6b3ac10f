#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarn::cli {

// Runs tarn-cli with `args` (the program name left out): picks the command named by the first
// argument and runs it. Errors go to `err` as "error: MESSAGE", or "error: FILE: MESSAGE" when
// the error came from a file that the message does not name, with exit status 1. Output that
// does not reach `out` (a full disk) is such an error too. With `show_progress` (standard error
// is a terminal) long runs show their progress on `err`.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, bool show_progress = false);

}  // namespace tarn::cli
