#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "support/PrivateDataHome.h"

namespace tarn::cli {

// What one in-process run of tarn-cli gave.
struct CliRun {
  int status;
  std::string out;
  std::string err;
};

// Runs tarn-cli with `args` and `input` on standard input.
inline CliRun RunWith(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace tarn::cli
