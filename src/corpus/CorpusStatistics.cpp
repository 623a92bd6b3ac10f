#include "corpus/CorpusStatistics.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace tarn {

void CorpusStatistics::SpreadsOf(const std::string_view* words, size_t count,
                                 WordSpread* spreads) const {
  if (!words_) {
    std::fill(spreads, spreads + count, WordSpread{});
    return;
  }
  std::optional<size_t> indexes[CountedWords::kBatch];
  for (size_t done = 0; done < count; done += CountedWords::kBatch) {
    const size_t batch = std::min(count - done, CountedWords::kBatch);
    words_->IndexesOf(words + done, batch, indexes);
    for (size_t i = 0; i < batch; ++i) {
      if (indexes[i]) spread_.Prefetch(*indexes[i]);
    }
    for (size_t i = 0; i < batch; ++i) {
      spreads[done + i] = indexes[i] ? spread_[*indexes[i]] : WordSpread{};
    }
  }
}

}  // namespace tarn
