#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "analysis/CountedTexts.h"
#include "analysis/FirstSeenCounter.h"

namespace tarn {

// Finished words on their way to the counter: their bytes back to back, each followed by room
// for FirstSeenCounter::PaddedKeyOf, where each stands and, when the one who filled the batch had
// the time, their keys (one for each span; the vector only grows, so that its room is not
// cleared for every batch).
struct WordBatch {
  std::string bytes;
  std::vector<WordSpan> spans;
  std::vector<WordKey> keys;
  bool keyed = false;
  // The words that begin with a capital: a word's place among the spans times two, plus one
  // for a shown capital (FirstSeenCounter::AddCapitals).
  std::vector<uint32_t> capitals;
  // In a stream of texts: the batch holds the last words of its text.
  bool ends_text = false;
};

// Counts the words of `batch` and their capitals into `counter`, tells `texts` (when given)
// what they were, their first-seen indexes put in `entries`, and leaves the batch empty for
// reuse.
void CountBatch(WordBatch& batch, FirstSeenCounter& counter, CountedTexts* texts,
                std::vector<uint32_t>& entries);

// Counts batches of words into a FirstSeenCounter on a thread of its own, so that cutting a
// text into words and counting them run side by side. Batches are counted in the order passed,
// so the counter sees the words as if counted in place. With `texts`, it hears of every batch
// counted and of each text's end.
class CountingPipe {
 public:
  explicit CountingPipe(FirstSeenCounter& counter, CountedTexts* texts = nullptr);
  // Waits for the batch being counted and drops those still waiting.
  ~CountingPipe();
  CountingPipe(const CountingPipe&) = delete;
  CountingPipe& operator=(const CountingPipe&) = delete;

  // Takes the words of `batch` to be counted and leaves `batch` empty, its bytes at least as
  // long as they were. Waits while too many batches are waiting.
  void Pass(WordBatch& batch);
  // Returns once every batch passed is counted; rethrows what counting threw.
  void Drain();
  // Whether batches wait to be counted, so that the counting side has more to do than the
  // filling side: the filler had better work out the keys itself then.
  bool Behind() const { return waiting_count_.load(std::memory_order_relaxed) > 0; }

 private:
  void Work();

  FirstSeenCounter& counter_;
  CountedTexts* texts_;
  std::vector<uint32_t> entries_;  // the first-seen indexes of the batch's words, for texts_
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<WordBatch> waiting_;
  std::atomic<size_t> waiting_count_ = 0;
  std::vector<WordBatch> spare_;
  size_t batches_ = 0;    // batches made, waiting, in work or spare
  bool working_ = false;  // a batch is being counted
  bool closing_ = false;
  std::exception_ptr failure_;
  std::thread worker_;
};

}  // namespace tarn
