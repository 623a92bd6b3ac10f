#include "wordlists/SaveTarget.h"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <memory>
#include <random>
#include <string_view>

#include "text/Error.h"

namespace tarn {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinks = 40;

constexpr std::string_view kTempStart = ".~";
constexpr std::string_view kTempEnd = ".tmp";

// The folder part of `path` with its final slash ("" for a bare name).
std::string_view FolderOf(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

std::string LinkText(const std::string& link, size_t size_hint) {
  std::string text(size_hint + 1, '\0');
  for (;;) {
    const ssize_t got = ::readlink(link.c_str(), text.data(), text.size());
    if (got < 0) return {};
    if (static_cast<size_t>(got) < text.size()) {
      text.resize(static_cast<size_t>(got));
      return text;
    }
    text.resize(text.size() * 2);
  }
}

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The process id in `name` when it is `base` + ".~PID-COUNTER-RANDOM.tmp", as TempNameFor
// makes them; 0 otherwise.
pid_t TempFileOwner(std::string_view name, std::string_view base) {
  if (!name.starts_with(base)) return 0;
  name.remove_prefix(base.size());
  if (!name.starts_with(kTempStart) || !name.ends_with(kTempEnd)) return 0;
  name.remove_prefix(kTempStart.size());
  name.remove_suffix(kTempEnd.size());
  const size_t first = name.find('-');
  const size_t second = first == std::string_view::npos ? first : name.find('-', first + 1);
  if (second == std::string_view::npos) return 0;
  const std::string_view pid = name.substr(0, first);
  if (!IsDigits(pid) || pid.size() > 9 || !IsDigits(name.substr(first + 1, second - first - 1)) ||
      !IsDigits(name.substr(second + 1))) {
    return 0;
  }
  return static_cast<pid_t>(std::stol(std::string(pid)));
}

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

}  // namespace

std::string ResolveSaveTarget(const std::string& path) {
  std::string target = path;
  for (int links = 0;; ++links) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
    if (links == kMaxLinks) throw CannotCreateFile(path, ELOOP);
    const std::string text = LinkText(target, static_cast<size_t>(info.st_size));
    if (text.empty()) return target;
    // A relative link is read from the link's own folder.
    target = text.front() == '/' ? text : std::string(FolderOf(target)) + text;
  }
}

std::string TempNameFor(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  thread_local std::mt19937 random(std::random_device{}());
  return target + std::string(kTempStart) + std::to_string(::getpid()) + "-" +
         std::to_string(counter++) + "-" + std::to_string(random() % 1000000) +
         std::string(kTempEnd);
}

void RemoveStaleTempFiles(const std::string& target) {
  const std::string_view folder = FolderOf(target);
  const std::string_view base = std::string_view(target).substr(folder.size());
  const std::unique_ptr<DIR, DirCloser> dir(
      ::opendir(folder.empty() ? "." : std::string(folder).c_str()));
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir.get())) {
    const pid_t owner = TempFileOwner(entry->d_name, base);
    // kill with signal 0 only asks whether the process exists.
    if (owner > 0 && ::kill(owner, 0) != 0 && errno == ESRCH) {
      ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
    }
  }
}

bool TakeOverOwnerAndMode(int fd, const struct stat& old) {
  // Changing the owner clears the set-id bits, so the mode comes after it. Only root may give a
  // file away; others can at least keep a group they belong to.
  if (::fchown(fd, old.st_uid, old.st_gid) != 0 && errno == EPERM) {
    ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  }
  return ::fchmod(fd, old.st_mode & 07777) == 0;
}

}  // namespace tarn
