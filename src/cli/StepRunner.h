#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tarn::cli {

struct OutputFormat;

// Whether `arg` names a step, so that the arguments starting with it are a list of steps.
bool IsStepName(const std::string& arg);

// Runs the steps in `args` (each name followed by its argument, if it takes one) in order on
// one session, a corpus counted on `jobs` threads, the known words in `known_file` (default:
// the user's own list), then prints the summary label's lines, an empty line and the text
// view's text, all UTF-8 with LF line ends, or what `format` makes of them when it is not null.
// With `show_progress` a file run or corpus shows its progress on `err` while it counts. Throws
// tarn::Error for a malformed list (before any step runs) and for a step's failure.
void RunSteps(const std::vector<std::string>& args, const std::optional<std::string>& dict_folder,
              size_t jobs, std::ostream& out, std::ostream& err,
              const OutputFormat* format = nullptr, bool show_progress = false,
              const std::optional<std::string>& known_file = std::nullopt);

// The steps' part of --help.
void PrintStepsHelp(std::ostream& out);

}  // namespace tarn::cli
