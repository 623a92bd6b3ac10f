#include "cli/StepRunner.h"

#include <ostream>

#include "cli/CliSession.h"
#include "cli/OutputFormats.h"
#include "cli/StepRegistry.h"
#include "cli/TerminalProgress.h"
#include "text/Error.h"

namespace tarn::cli {

namespace {

struct PlannedStep {
  const SessionStep& step;
  std::string argument;
  std::string number;
  std::vector<std::string> arguments;
};

std::vector<PlannedStep> PlanSteps(const std::vector<std::string>& args) {
  std::vector<PlannedStep> plan;
  for (size_t i = 0; i < args.size(); ++i) {
    const SessionStep* step = FindStep(args[i]);
    if (step == nullptr) throw Error("unknown step \"" + args[i] + "\"; see tarn-cli --help");
    std::string argument;
    std::string number;
    std::vector<std::string> arguments;
    if (step->TakesList()) {
      // A path that is also a step's name is written with its folder: ./all.
      while (i + 1 < args.size() && !IsStepName(args[i + 1])) arguments.push_back(args[++i]);
      if (arguments.empty() && !step->ListMayBeEmpty()) {
        throw Error("step \"" + std::string(step->name) + "\" needs " + std::string(step->usage));
      }
      if (!arguments.empty()) argument = arguments.front();
    } else if (step->TakesArgument()) {
      if (i + 1 == args.size()) {
        throw Error("step \"" + args[i] + "\" needs " + std::string(step->usage));
      }
      argument = args[++i];
      if (i + 1 < args.size() && step->AcceptsNumber(args[i + 1])) number = args[++i];
    } else if (i + 1 < args.size() && step->AcceptsOptional(args[i + 1])) {
      argument = args[++i];
    }
    plan.push_back({*step, std::move(argument), std::move(number), std::move(arguments)});
  }
  return plan;
}

}  // namespace

bool IsStepName(const std::string& arg) { return FindStep(arg) != nullptr; }

void RunSteps(const std::vector<std::string>& args, const std::optional<std::string>& dict_folder,
              size_t jobs, std::ostream& out, std::ostream& err, const OutputFormat* format,
              bool show_progress, const std::optional<std::string>& known_file) {
  const std::vector<PlannedStep> plan = PlanSteps(args);
  CliSession cli(dict_folder, err, known_file);
  const CountingHost progress = TerminalProgress(err);
  for (const PlannedStep& planned : plan) {
    // A step without an argument cancels any dialog it opens.
    if (planned.step.TakesArgument()) {
      cli.Port().SetDialogAnswer(DialogChoice{planned.argument, planned.step.filter_index});
    } else {
      cli.Port().SetDialogAnswer(std::nullopt);
    }
    planned.step.run(StepCall{cli.Session(), cli.Port(), planned.argument, planned.number,
                              cli.Forms(), planned.arguments, cli.Corpus(), jobs, cli.Known(),
                              show_progress ? &progress : nullptr});
  }
  const StatisticsState& state = cli.Session().State();
  if (format != nullptr) {
    format->print(state, out);
    return;
  }
  if (!state.summary_label.empty()) out << WithLfLineEnds(state.summary_label) << '\n';
  out << '\n';
  WriteUtf8WithLfLineEnds(state.text_view, out);
}

void PrintStepsHelp(std::ostream& out) {
  out << "\nsteps (tarn-cli [--dict DIR] [--jobs N] [--known FILE] STEP [ARGUMENT] [STEP "
         "[ARGUMENT]]...):\n";
  for (const SessionStep& step : AllSteps()) {
    out << "  " << step.name;
    if (!step.usage.empty()) out << ' ' << step.usage;
    out << "\n      " << step.summary << '\n';
  }
  out << "\n  The steps run in order on one session, each like the window command it names; a\n"
         "  step's argument answers the command's file dialog. Afterwards tarn-cli prints the\n"
         "  summary's lines, an empty line and the text view (UTF-8, LF line ends). Messages go\n"
         "  to standard error as \"message: TEXT\"; an error as \"error: TEXT\" with status 1.\n"
         "  A step that takes PATH... takes every argument up to the next step's name (with\n"
         "  [PATH...], possibly none); write a path that is also a step's name with its folder\n"
         "  (./all).\n"
         "\n  --dict DIR  the dict folder (default: dict beside tarn-cli, else the installed "
         "one).\n"
         "  --jobs N    the threads a corpus step uses (default: one for each core): with 1 its\n"
         "              texts are cut into words and counted on one thread, with more side by\n"
         "              side; merge-partials reads N partial counts at once. The result is the\n"
         "              same for any N.\n"
         "  --format tsv|json\n"
         "              print for scripts instead: tsv, the text view with a listing's lines as\n"
         "              WORD<TAB>COUNT without the padding; json, an object with \"summary\" (the\n"
         "              summary's lines as {\"label\", \"value\"}), \"entries\" (the listing's\n"
         "              {\"word\", \"count\"}) and \"lines\" (the text view's other lines).\n"
         "  When standard error is a terminal, a file run or a corpus that takes a while shows\n"
         "  its progress there.\n"
         "  A dict file that cannot be read is reported as \"error: TEXT\", but the steps still\n"
         "  run with the tables loaded before it, the later ones empty, and the status stays 0.\n";
  // A separate piece: the stream hands a piece of 1 KiB or more to the system at once, and a
  // failure there (a full disk) would lose its reason before the final flush reports it.
  out << "\n  --known FILE the known words (熟词本) that profile, names and beyond leave out and\n"
         "              the known-* steps change (default: the user's own list,\n"
         "              $XDG_DATA_HOME/tarn/我的熟词本.txt or "
         "~/.local/share/tarn/我的熟词本.txt).\n";
}

}  // namespace tarn::cli
