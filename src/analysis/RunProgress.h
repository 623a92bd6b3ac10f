#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <string>

namespace tarn {

// Thrown by a counting run that was cancelled through its RunProgress; the run changed nothing.
class RunCancelled : public std::exception {
 public:
  const char* what() const noexcept override { return "统计已取消"; }
};

// Where a long counting run has got to, and whether the user wants it stopped. The run writes
// it from its own threads while the window reads it and cancels from another.
class RunProgress {
 public:
  struct Figures {
    size_t files_done = 0;
    size_t files_total = 0;
    uint64_t bytes_done = 0;
    uint64_t bytes_total = 0;
    std::string current_file;  // the file last begun, as the system names it
  };

  // The run's totals, once its files are known; the figures done start from nothing.
  void Begin(size_t files_total, uint64_t bytes_total);
  // The figures as they are now.
  Figures Now() const;

  // Asks the run to stop at its next check; it then throws RunCancelled. Never undone.
  void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }
  bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
  // Throws RunCancelled once Cancel has been called.
  void ThrowIfCancelled() const {
    if (Cancelled()) throw RunCancelled();
  }

 private:
  friend class FileProgress;

  std::atomic<size_t> files_total_{0};
  std::atomic<size_t> files_done_{0};
  std::atomic<uint64_t> bytes_total_{0};
  std::atomic<uint64_t> bytes_done_{0};
  std::atomic<bool> cancelled_{false};
  mutable std::mutex current_mutex_;
  std::string current_file_;
};

// One file's part in the progress of a run, reported as the file is read: every block read
// is a check for cancel, so a cancel is felt within a block's time. The bytes reported never
// exceed the size the run counted on, however the file is read (again from its start, or
// grown), and Done makes up the rest, so the run's bytes reach its total.
class FileProgress {
 public:
  // The file at `path` of `size` bytes begins; throws RunCancelled when the run is cancelled.
  // Without a run (`run` null) it reports nothing and never throws.
  FileProgress(RunProgress* run, const std::string& path, uint64_t size);

  // `bytes` more of the file have been read. Throws RunCancelled when the run is cancelled.
  void Read(uint64_t bytes);
  // Whether the run is cancelled, for readers that must not throw.
  bool Cancelled() const { return run_ != nullptr && run_->Cancelled(); }
  // Throws RunCancelled when the run is cancelled, as Read does.
  void Check() const {
    if (Cancelled()) throw RunCancelled();
  }
  // The file is read again from its first byte.
  void Rewind() { position_ = 0; }
  // The file is done, read or not: its bytes not yet reported, and one more file.
  void Done();

 private:
  RunProgress* run_;
  uint64_t size_;
  uint64_t position_ = 0;
  uint64_t reported_ = 0;
};

// How a shell runs the counting half of a long run: `counting` called once, given the progress
// to report to, and returning (or throwing) only when it has ended. The window runs it on
// another thread behind a progress dialog; InlineCounting runs it on the spot.
using CountingHost = std::function<void(const std::function<void(RunProgress*)>& counting)>;

// Runs the counting at once on the calling thread, with no progress to report.
void InlineCounting(const std::function<void(RunProgress*)>& counting);

// The size of the file at `path` in bytes, 0 when it cannot be told.
uint64_t FileSizeOrZero(const std::string& path);

}  // namespace tarn
