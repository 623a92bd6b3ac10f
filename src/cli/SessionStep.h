#pragma once

#include <string>
#include <string_view>

namespace tarn {
class MainSession;
}

namespace tarn::cli {

class CliPort;

// What a step runs with: the session all steps share, the port that answers its dialogs and
// the step's own argument (empty for a step without one).
struct StepCall {
  MainSession& session;
  CliPort& port;
  const std::string& argument;
};

// One tarn-cli step: a window command run on the shared session, its argument standing in for
// the dialog's answer. Failures are thrown as tarn::Error.
struct SessionStep {
  std::string_view name;
  std::string_view usage;    // the argument's name ("FILE", "NAME"), empty for none
  std::string_view summary;  // one line for --help
  int filter_index;          // the 1-based filter the dialog answers with (save and export)
  void (*run)(const StepCall& call);

  // Whether the step takes an argument.
  bool TakesArgument() const { return !usage.empty(); }
};

}  // namespace tarn::cli
