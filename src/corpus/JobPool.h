#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace tarn {

// Runs `make(i)` for every job i below `count` on `threads` threads of its own (a single job on
// the calling thread) and hands each result to `consume(i, result)` on the calling thread, in
// the order of the jobs, as soon as it and every result before it are in. At most twice
// `threads` results are made ahead of the one consumed, so memory holds a few results, never
// all of them. The first exception of `make` or `consume` stops the jobs not yet started and is
// rethrown once the threads have ended.
template <typename Result, typename Make, typename Consume>
void RunJobsInOrder(size_t count, size_t threads, Make&& make, Consume&& consume) {
  if (count == 1) {
    // One job gains nothing from a thread of its own, and its memory then comes from the
    // calling thread's heap, which the run before it has already touched.
    Result result = make(0);
    consume(0, result);
    return;
  }
  threads = std::max<size_t>(1, std::min(threads, count));
  const size_t window = 2 * threads;
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::optional<Result>> ready(window);  // result i waits at i % window
  size_t started = 0;
  size_t consumed = 0;
  std::exception_ptr failure;
  const auto fail = [&](std::exception_ptr error) {
    if (!failure) failure = error;
    changed.notify_all();
  };
  const auto work = [&] {
    std::unique_lock lock(mutex);
    while (true) {
      changed.wait(lock, [&] { return failure || started == count || started < consumed + window; });
      if (failure || started == count) return;
      const size_t job = started++;
      lock.unlock();
      std::optional<Result> result;
      std::exception_ptr error;
      try {
        result.emplace(make(job));
      } catch (...) {
        error = std::current_exception();
      }
      lock.lock();
      if (error) {
        fail(error);
        return;
      }
      ready[job % window] = std::move(result);
      changed.notify_all();
    }
  };
  std::vector<std::thread> workers;
  for (size_t i = 0; i < threads; ++i) workers.emplace_back(work);
  for (size_t job = 0; job < count; ++job) {
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return failure || ready[job % window].has_value(); });
    if (failure) break;
    std::optional<Result> result = std::move(ready[job % window]);
    ready[job % window].reset();
    ++consumed;
    changed.notify_all();
    lock.unlock();
    try {
      consume(job, *result);
    } catch (...) {
      lock.lock();
      fail(std::current_exception());
      break;
    }
  }
  for (std::thread& worker : workers) worker.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace tarn
