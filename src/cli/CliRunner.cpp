#include "cli/CliRunner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <new>
#include <optional>
#include <thread>
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/DictToolsCommand.h"
#include "cli/GlossCommand.h"
#include "cli/ListCommands.h"
#include "cli/OutputFormats.h"
#include "cli/PartialCommands.h"
#include "cli/StepRunner.h"
#include "cli/WordFormCommands.h"
#include "text/Error.h"

namespace tarn::cli {

namespace {

// Every command group; a new group of commands adds its table here.
std::vector<CliCommand> AllCommands() {
  std::vector<CliCommand> commands;
  for (const auto group :
       {ListCommands(), WordFormCommands(), GlossCommands(), DictToolsCommands(),
        PartialCommands()})
    commands.insert(commands.end(), group.begin(), group.end());
  return commands;
}

void PrintHelp(const std::vector<CliCommand>& commands, std::ostream& out) {
  out << "usage: tarn-cli [--dict DIR] COMMAND [ARGUMENTS]\n"
         "       tarn-cli [--dict DIR] [--jobs N] [--format tsv|json] [--known FILE] STEP\n"
         "                [ARGUMENT] [STEP [ARGUMENT]]...\n"
         "       tarn-cli COMMAND --help\n"
         "       tarn-cli --help | --version\n\ncommands:\n";
  for (const CliCommand& command : commands) {
    out << "  " << command.name << ' ' << command.usage << "\n      " << command.summary << '\n';
  }
  PrintStepsHelp(out);
}

// The options before the command or the steps.
struct LeadingOptions {
  std::optional<std::string> dict_folder;
  std::optional<size_t> jobs;
  const OutputFormat* format = nullptr;
  std::optional<std::string> known_file;
};

const OutputFormat* ParseFormat(const std::string& value) {
  if (const OutputFormat* format = FindOutputFormat(value)) return format;
  throw Error("option \"--format\" is one of " + OutputFormatNames() + ", not \"" + value + "\"");
}

// More threads than this would only queue for the same cores.
constexpr size_t kMaxJobs = 256;

size_t DefaultJobs() { return std::max(1u, std::thread::hardware_concurrency()); }

size_t ParseJobs(const std::string& value) {
  if (!value.empty() && value.size() <= 3 &&
      value.find_first_not_of("0123456789") == std::string::npos) {
    const size_t jobs = std::stoul(value);
    if (jobs >= 1 && jobs <= kMaxJobs) return jobs;
  }
  throw Error("option \"--jobs\" needs a whole number from 1 to " + std::to_string(kMaxJobs));
}

// Takes --dict DIR, --jobs N, --format NAME and --known FILE, in any order, each at most once,
// off the front
// of `args`.
LeadingOptions TakeLeadingOptions(std::vector<std::string>& args) {
  LeadingOptions options;
  size_t at = 0;
  while (at < args.size() &&
         (args[at] == "--dict" || args[at] == "--jobs" || args[at] == "--format" ||
          args[at] == "--known")) {
    const std::string& option = args[at];
    if (at + 1 == args.size()) throw Error("option \"" + option + "\" needs a value");
    const bool given = option == "--dict"    ? options.dict_folder.has_value()
                       : option == "--jobs"  ? options.jobs.has_value()
                       : option == "--known" ? options.known_file.has_value()
                                             : options.format != nullptr;
    if (given) throw Error("option \"" + option + "\" is given twice");
    if (option == "--dict") {
      options.dict_folder = args[at + 1];
    } else if (option == "--known") {
      options.known_file = args[at + 1];
    } else if (option == "--jobs") {
      options.jobs = ParseJobs(args[at + 1]);
    } else {
      options.format = ParseFormat(args[at + 1]);
    }
    at += 2;
  }
  args.erase(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(at));
  return options;
}

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h" || arg == "help"; }

int RunCommand(const std::vector<CliCommand>& commands, const std::vector<std::string>& all_args,
               std::istream& in, std::ostream& out, std::ostream& err, bool show_progress) {
  std::vector<std::string> args = all_args;
  const LeadingOptions options = TakeLeadingOptions(args);
  if (args.empty()) throw Error("no command given; see tarn-cli --help");
  if (IsStepName(args[0])) {
    RunSteps(args, options.dict_folder, options.jobs.value_or(DefaultJobs()), out, err,
             options.format, show_progress, options.known_file);
    return 0;
  }
  if (options.jobs) throw Error("option \"--jobs\" applies to steps only");
  if (options.format != nullptr) throw Error("option \"--format\" applies to steps only");
  if (options.known_file) throw Error("option \"--known\" applies to steps only");
  const std::optional<std::string>& dict_folder = options.dict_folder;
  if (IsHelp(args[0])) {
    PrintHelp(commands, out);
    return 0;
  }
  if (args[0] == "--version") {
    out << "tarn-cli " << TARN_VERSION << '\n';
    return 0;
  }
  const auto command = std::find_if(commands.begin(), commands.end(),
                                    [&args](const CliCommand& c) { return c.name == args[0]; });
  if (command == commands.end()) {
    throw Error("unknown command \"" + args[0] + "\"; see tarn-cli --help");
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (rest.size() == 1 && IsHelp(rest[0]) && rest[0] != "help") {
    out << "usage: tarn-cli " << command->name << ' ' << command->usage << "\n  "
        << command->summary << '\n';
    return 0;
  }
  return command->run(CliContext{rest, in, out, err, dict_folder, DefaultJobs()});
}

// Flushes `out`; false, with the reason on `err`, when what was written did not all arrive (a
// full disk, a closed pipe, /dev/full).
bool OutputArrived(std::ostream& out, std::ostream& err) {
  // A stream that already failed, its buffer full before the end, keeps the reason of that
  // write in errno.
  if (out.good()) {
    errno = 0;
    out.flush();
    if (out.good()) return true;
  }
  const int reason = errno;
  err << "error: cannot write to standard output";
  if (reason != 0) err << ": " << std::strerror(reason);
  err << ".\n";
  return false;
}

}  // namespace

int RunCli(const std::vector<std::string>& all_args, std::istream& in, std::ostream& out,
           std::ostream& err, bool show_progress) {
  const std::vector<CliCommand> commands = AllCommands();
  int status = 1;
  try {
    status = RunCommand(commands, all_args, in, out, err, show_progress);
  } catch (const Error& error) {
    out.flush();
    err << "error: " << WithFullStop(WithFileName(error)) << '\n';
  } catch (const std::bad_alloc&) {
    out.flush();
    err << "error: out of memory: the input is too large for this machine.\n";
  } catch (const std::exception& error) {
    out.flush();
    err << "error: " << WithFullStop(error.what()) << '\n';
  }
  return OutputArrived(out, err) ? status : 1;
}

}  // namespace tarn::cli
