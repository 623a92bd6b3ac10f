#pragma once

#include <cstddef>
#include <future>

namespace tarn {

// Runs `work(0, begin, end)` over the first half of [0, size) on a second thread and
// `work(1, begin, end)` over the second half on this one, and returns once both are done.
// `work` must be safe to run twice at once on disjoint ranges.
template <typename Work>
void OnTwoHalves(size_t size, Work&& work) {
  const size_t half = size / 2;
  std::future<void> first = std::async(std::launch::async, [&work, half] { work(0, 0, half); });
  work(1, half, size);
  first.get();
}

}  // namespace tarn
