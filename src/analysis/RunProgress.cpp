#include "analysis/RunProgress.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tarn {

void RunProgress::Begin(size_t files_total, uint64_t bytes_total) {
  files_total_.store(files_total);
  bytes_total_.store(bytes_total);
  files_done_.store(0);
  bytes_done_.store(0);
}

RunProgress::Figures RunProgress::Now() const {
  Figures figures;
  figures.files_done = files_done_.load();
  figures.files_total = files_total_.load();
  figures.bytes_done = bytes_done_.load();
  figures.bytes_total = bytes_total_.load();
  std::lock_guard lock(current_mutex_);
  figures.current_file = current_file_;
  return figures;
}

FileProgress::FileProgress(RunProgress* run, const std::string& path, uint64_t size)
    : run_(run), size_(size) {
  if (run_ == nullptr) return;
  run_->ThrowIfCancelled();
  std::lock_guard lock(run_->current_mutex_);
  run_->current_file_ = path;
}

void FileProgress::Read(uint64_t bytes) {
  if (run_ == nullptr) return;
  position_ += bytes;
  const uint64_t reached = std::min(position_, size_);
  if (reached > reported_) {
    run_->bytes_done_.fetch_add(reached - reported_, std::memory_order_relaxed);
    reported_ = reached;
  }
  run_->ThrowIfCancelled();
}

void FileProgress::Done() {
  if (run_ == nullptr) return;
  run_->bytes_done_.fetch_add(size_ - reported_, std::memory_order_relaxed);
  reported_ = size_;
  run_->files_done_.fetch_add(1);
}

void InlineCounting(const std::function<void(RunProgress*)>& counting) { counting(nullptr); }

uint64_t FileSizeOrZero(const std::string& path) {
  std::error_code failed;
  const std::uintmax_t size = std::filesystem::file_size(path, failed);
  return failed ? 0 : size;
}

}  // namespace tarn
