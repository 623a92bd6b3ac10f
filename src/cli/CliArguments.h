#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tarn::cli {

// A command's arguments split into positional ones and "--name value" options.
class CliArguments {
 public:
  // Splits `args`; only the options in `known_options` are accepted, each at most once and
  // always with a value. Throws tarn::Error for anything else.
  CliArguments(const std::vector<std::string>& args, const std::set<std::string>& known_options);

  // The positional arguments; throws tarn::Error unless there are exactly `count`.
  const std::vector<std::string>& Positional(size_t count) const;

  // The value of `option`, if given.
  std::optional<std::string> Option(const std::string& option) const;

 private:
  std::vector<std::string> positional_;
  std::map<std::string, std::string> options_;
};

}  // namespace tarn::cli
