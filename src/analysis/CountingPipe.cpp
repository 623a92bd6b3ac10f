#include "analysis/CountingPipe.h"

#include <utility>

namespace tarn {

namespace {

// Batches in circulation: enough that neither side waits for the other on every batch.
constexpr size_t kMaxBatches = 4;

}  // namespace

void CountBatch(WordBatch& batch, FirstSeenCounter& counter, CountedTexts* texts,
                std::vector<uint32_t>& entries) {
  const size_t count = batch.spans.size();
  // The capitals need to know which word each of them is.
  const bool record = texts != nullptr || !batch.capitals.empty();
  if (record) entries.resize(count);
  uint32_t* const indexes = record ? entries.data() : nullptr;
  if (batch.keyed) {
    counter.AddKeyed(batch.bytes.data(), batch.spans.data(), batch.keys.data(), count, indexes);
  } else {
    counter.AddPadded(batch.bytes.data(), batch.spans.data(), count, indexes);
  }
  counter.AddCapitals(indexes, batch.capitals.data(), batch.capitals.size());
  if (texts != nullptr) {
    texts->Counted(counter, indexes, count, batch.capitals.data(), batch.capitals.size());
    if (batch.ends_text) texts->TextEnded(counter);
  }
  batch.spans.clear();
  batch.capitals.clear();
  batch.keyed = false;
  batch.ends_text = false;
}

CountingPipe::CountingPipe(FirstSeenCounter& counter, CountedTexts* texts)
    : counter_(counter), texts_(texts), worker_([this] { Work(); }) {}

CountingPipe::~CountingPipe() {
  {
    const std::lock_guard lock(mutex_);
    closing_ = true;
    waiting_.clear();
  }
  changed_.notify_all();
  worker_.join();
}

void CountingPipe::Pass(WordBatch& batch) {
  std::unique_lock lock(mutex_);
  if (spare_.empty() && batches_ >= kMaxBatches) {
    changed_.wait(lock, [this] { return !spare_.empty() || failure_; });
  }
  if (failure_) std::rethrow_exception(failure_);
  WordBatch next;
  if (!spare_.empty()) {
    next = std::move(spare_.back());
    spare_.pop_back();
  } else {
    ++batches_;
  }
  if (next.bytes.size() < batch.bytes.size()) next.bytes.resize(batch.bytes.size());
  next.spans.reserve(batch.spans.capacity());
  waiting_.push_back(std::move(batch));
  waiting_count_.store(waiting_.size(), std::memory_order_relaxed);
  batch = std::move(next);
  lock.unlock();
  changed_.notify_all();
}

void CountingPipe::Drain() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return (waiting_.empty() && !working_) || failure_; });
  if (failure_) std::rethrow_exception(failure_);
}

void CountingPipe::Work() {
  std::unique_lock lock(mutex_);
  while (true) {
    changed_.wait(lock, [this] { return !waiting_.empty() || closing_; });
    if (closing_) return;
    WordBatch batch = std::move(waiting_.front());
    waiting_.pop_front();
    waiting_count_.store(waiting_.size(), std::memory_order_relaxed);
    working_ = true;
    lock.unlock();
    try {
      CountBatch(batch, counter_, texts_, entries_);
    } catch (...) {
      lock.lock();
      failure_ = std::current_exception();
      working_ = false;
      changed_.notify_all();
      return;
    }
    lock.lock();
    working_ = false;
    spare_.push_back(std::move(batch));
    changed_.notify_all();
  }
}

}  // namespace tarn
