#include "cli/CliArguments.h"

#include "text/Error.h"

namespace tarn::cli {

CliArguments::CliArguments(const std::vector<std::string>& args,
                           const std::set<std::string>& known_options) {
  bool options_end = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_end || !arg.starts_with("--")) {
      positional_.push_back(arg);
    } else if (arg == "--") {
      options_end = true;
    } else if (!known_options.contains(arg)) {
      throw Error("unknown option \"" + arg + "\"");
    } else if (i + 1 == args.size()) {
      throw Error("option \"" + arg + "\" needs a value");
    } else if (!options_.emplace(arg, args[++i]).second) {
      throw Error("option \"" + arg + "\" is given twice");
    }
  }
}

const std::vector<std::string>& CliArguments::Positional(size_t count) const {
  if (positional_.size() != count) {
    throw Error("expected " + std::to_string(count) + " argument" + (count == 1 ? "" : "s") +
                ", got " + std::to_string(positional_.size()));
  }
  return positional_;
}

std::optional<std::string> CliArguments::Option(const std::string& option) const {
  const auto found = options_.find(option);
  if (found == options_.end()) return std::nullopt;
  return found->second;
}

}  // namespace tarn::cli
