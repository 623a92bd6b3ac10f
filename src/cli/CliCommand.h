#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace tarn::cli {

// What a command gets: its own arguments (the command name removed) and the three streams.
struct CliContext {
  const std::vector<std::string>& args;
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

// One tarn-cli command. `run` returns the exit status and reports failures by throwing
// tarn::Error, whose message the runner prints.
struct CliCommand {
  std::string_view name;
  std::string_view usage;    // the arguments, e.g. "FILE --form txt|dat"
  std::string_view summary;  // one line for --help
  int (*run)(const CliContext& context);
};

}  // namespace tarn::cli
