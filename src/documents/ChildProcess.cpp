#include "documents/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <thread>
#include <utility>

extern char** environ;

namespace tarn {

namespace {

using Clock = std::chrono::steady_clock;

// Closes the descriptor on every way out.
struct PipeEnd {
  int fd = -1;
  ~PipeEnd() {
    if (fd >= 0) ::close(fd);
  }
};

// The spawn settings: stdin from /dev/null, stdout into `out`, stderr discarded, a process group
// of its own (so that a time-out kills helpers it started too) and default signal handling.
struct SpawnSetup {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;

  explicit SpawnSetup(int out) {
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out, 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(
        &attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
  }
};

// Kills the child's process group and reaps the child.
void KillChild(pid_t child) {
  ::kill(-child, SIGKILL);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
}

// Waits for the child until `deadline`: kDone when it exited with status 0.
ProgramOutput::Status WaitForExit(pid_t child, Clock::time_point deadline) {
  using Status = ProgramOutput::Status;
  int status = 0;
  while (true) {
    const pid_t done = ::waitpid(child, &status, WNOHANG);
    if (done == child) {
      return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Status::kDone : Status::kFailed;
    }
    if (done < 0 && errno != EINTR) return Status::kFailed;
    if (Clock::now() >= deadline) {
      KillChild(child);
      return Status::kTimedOut;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

// The program's environment with `settings` in place of its own values of their names.
std::vector<std::string> ChildEnvironment(const std::vector<std::string>& settings) {
  std::vector<std::string> environment(settings);
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string_view current(*entry);
    const std::string_view name = current.substr(0, current.find('=') + 1);
    const bool replaced = std::any_of(settings.begin(), settings.end(), [name](const auto& s) {
      return std::string_view(s).starts_with(name);
    });
    if (!replaced) environment.emplace_back(current);
  }
  return environment;
}

}  // namespace

ProgramOutput RunProgramOutput(const std::vector<std::string>& arguments,
                               std::chrono::milliseconds time_limit, size_t max_output,
                               const std::vector<std::string>& settings) {
  using Status = ProgramOutput::Status;
  if (arguments.empty()) return {Status::kCannotStart, {}};
  const Clock::time_point deadline = Clock::now() + time_limit;
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC) != 0) return {Status::kCannotStart, {}};
  PipeEnd read_end{ends[0]};
  PipeEnd write_end{ends[1]};

  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  std::vector<std::string> environment = ChildEnvironment(settings);
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  pid_t child = 0;
  {
    SpawnSetup setup(write_end.fd);
    if (::posix_spawnp(&child, argv[0], &setup.actions, &setup.attributes, argv.data(), envp.data()) !=
        0) {
      return {Status::kCannotStart, {}};
    }
  }
  ::close(write_end.fd);
  write_end.fd = -1;

  std::string output;
  char buffer[65536];
  while (true) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd waiting{read_end.fd, POLLIN, 0};
    const int ready = left > 0 ? ::poll(&waiting, 1, static_cast<int>(left)) : 0;
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) {
      KillChild(child);
      return {Status::kTimedOut, {}};
    }
    const ssize_t got = ::read(read_end.fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      KillChild(child);
      return {Status::kFailed, {}};
    }
    if (output.size() + static_cast<size_t>(got) > max_output) {
      KillChild(child);
      return {Status::kTooMuchOutput, {}};
    }
    if (got == 0) break;
    output.append(buffer, static_cast<size_t>(got));
  }
  const Status status = WaitForExit(child, deadline);
  if (status != Status::kDone) return {status, {}};
  return {Status::kDone, std::move(output)};
}

}  // namespace tarn
