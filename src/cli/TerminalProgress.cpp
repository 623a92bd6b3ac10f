#include "cli/TerminalProgress.h"

#include <condition_variable>
#include <cstdio>
#include <exception>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

namespace tarn::cli {

namespace {

std::string Megabytes(uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(bytes) / 1e6);
  return text;
}

// What the terminal shows of a long name: its end, where the file's own name is.
std::string Tail(const std::string& name, size_t most) {
  return name.size() <= most ? name : "..." + name.substr(name.size() - most + 3);
}

}  // namespace

std::string ProgressLine(const RunProgress::Figures& figures) {
  std::string line = std::to_string(figures.files_done) + '/' +
                     std::to_string(figures.files_total) + " files, " +
                     Megabytes(figures.bytes_done) + '/' + Megabytes(figures.bytes_total) + " MB";
  if (figures.bytes_total > 0) {
    line += " (" + std::to_string(figures.bytes_done * 100 / figures.bytes_total) + " %)";
  }
  if (!figures.current_file.empty()) line += ": " + Tail(figures.current_file, 40);
  return line;
}

CountingHost TerminalProgress(std::ostream& err, std::chrono::milliseconds first_after,
                              std::chrono::milliseconds interval) {
  return [&err, first_after, interval](const std::function<void(RunProgress*)>& counting) {
    RunProgress progress;
    std::exception_ptr failure;
    std::mutex mutex;
    std::condition_variable ended_signal;
    bool ended = false;
    std::thread worker([&] {
      try {
        counting(&progress);
      } catch (...) {
        failure = std::current_exception();
      }
      const std::lock_guard<std::mutex> lock(mutex);
      ended = true;
      ended_signal.notify_one();
    });
    bool shown = false;
    {
      std::unique_lock<std::mutex> lock(mutex);
      auto wait = first_after;
      while (!ended_signal.wait_for(lock, wait, [&] { return ended; })) {
        // "\r" and erase-line rewrite the one line in place.
        err << "\r\033[K" << ProgressLine(progress.Now()) << std::flush;
        shown = true;
        wait = interval;
      }
    }
    worker.join();
    if (shown) err << "\r\033[K" << std::flush;
    if (failure) std::rethrow_exception(failure);
  };
}

}  // namespace tarn::cli
