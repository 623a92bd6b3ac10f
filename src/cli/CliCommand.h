#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn::cli {

// What a command gets: its own arguments (the command name removed), the three streams, the
// dict folder given with --dict before the command, if any, and the number of threads a command
// that counts files may use.
struct CliContext {
  const std::vector<std::string>& args;
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  std::optional<std::string> dict_folder = std::nullopt;
  size_t jobs = 1;
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
