#include "corpus/PartialMerge.h"

#include <mutex>
#include <string>
#include <utility>

#include "corpus/JobPool.h"
#include "corpus/PartialCountReader.h"
#include "text/Error.h"
#include "text/Utf8.h"

namespace tarn {

void PartialMerge::Add(const PartialCount& partial) {
  const std::string quoted = "“" + partial.path + "”";
  int64_t total;
  if (__builtin_add_overflow(count_.tally.Words().TotalCount(), partial.running_words, &total)) {
    throw Error("加上" + quoted + "后，语料的总词数超出 64 位整数的范围", partial.path);
  }
  ++partials_;
  std::vector<uint32_t> indexes(partial.words.size());
  count_.tally.AddWords(partial.words.data(), partial.tallies.data(), partial.words.size(),
                        indexes.data());
  listed_by_.resize(count_.tally.Words().DistinctCount());
  for (size_t i = 0; i < partial.words.size(); ++i) {
    const uint32_t index = indexes[i];
    if (listed_by_[index] == partials_) {
      throw Error(quoted + "第 " + std::to_string(partial.first_word_line + i) + " 行有误：单词“" +
                      Cp936ToUtf8(partial.words[i]) + "”已经列过",
                  partial.path);
    }
    listed_by_[index] = partials_;
  }
  for (size_t text = 0; text < partial.texts.size(); ++text) {
    for (const PartialCount::TextCount& in_text : partial.text_counts[text]) {
      count_.tally.AddCount(indexes[in_text.word], in_text.count);
    }
    count_.tally.EndText(partial.text_words[text]);
    count_.texts.push_back(partial.texts[text]);
  }
  count_.unlisted.insert(count_.unlisted.end(), partial.unlisted.begin(), partial.unlisted.end());
  count_.failed.insert(count_.failed.end(), partial.failed.begin(), partial.failed.end());
}

void PartialMerge::AddFiles(const std::vector<std::string>& paths, size_t threads) {
  // A merged partial's storage is handed to the next one read: partials are alike in size, and
  // fresh memory costs the system a fault per page.
  std::mutex mutex;
  std::vector<PartialCount> spare;
  RunJobsInOrder<PartialCount>(
      paths.size(), threads,
      [&](size_t i) {
        PartialCount partial;
        {
          const std::lock_guard lock(mutex);
          if (!spare.empty()) {
            partial = std::move(spare.back());
            spare.pop_back();
          }
        }
        ReadPartialCount(paths[i], partial);
        return partial;
      },
      [&](size_t, PartialCount& partial) {
        Add(partial);
        const std::lock_guard lock(mutex);
        spare.push_back(std::move(partial));
      });
}

}  // namespace tarn
