#include "wordlists/SignalCleanup.h"

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <mutex>

namespace tarn {

namespace {

// The handler may run at any moment on any thread, so the marked names live in fixed slots
// that it can read without allocating or locking.
enum SlotState : int { kFree, kFilling, kMarked };

struct Slot {
  std::atomic<int> state{kFree};
  char path[PATH_MAX];
};

static_assert(std::atomic<int>::is_always_lock_free);

constexpr int kSlotCount = 16;
Slot slots[kSlotCount];

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void RemoveMarkedFiles(int signal_number) {
  for (Slot& slot : slots) {
    if (slot.state.load(std::memory_order_acquire) == kMarked) ::unlink(slot.path);
  }
  // SA_RESETHAND has put the default action back; the signal, blocked while this runs, ends
  // the process as soon as the handler returns.
  ::raise(signal_number);
}

void InstallHandler() {
  struct sigaction action {};
  action.sa_handler = RemoveMarkedFiles;
  action.sa_flags = SA_RESETHAND | SA_RESTART;
  sigemptyset(&action.sa_mask);
  for (const int signal_number : kSignals) sigaddset(&action.sa_mask, signal_number);
  for (const int signal_number : kSignals) {
    struct sigaction current {};
    if (::sigaction(signal_number, nullptr, &current) != 0) continue;
    // An ignored signal, or one that the program handles itself, is left as it is.
    if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) continue;
    ::sigaction(signal_number, &action, nullptr);
  }
}

}  // namespace

TempFileMark::TempFileMark(const std::string& path) : slot_(-1) {
  static std::once_flag installed;
  std::call_once(installed, InstallHandler);
  if (path.size() >= PATH_MAX) return;
  for (int i = 0; i < kSlotCount; ++i) {
    int expected = kFree;
    if (slots[i].state.compare_exchange_strong(expected, kFilling)) {
      std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
      slots[i].state.store(kMarked, std::memory_order_release);
      slot_ = i;
      return;
    }
  }
}

TempFileMark::~TempFileMark() {
  if (slot_ >= 0) slots[slot_].state.store(kFree, std::memory_order_release);
}

}  // namespace tarn
