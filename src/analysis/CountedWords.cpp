#include "analysis/CountedWords.h"

#include <algorithm>

namespace tarn {

CountedWords::CountedWords(FirstSeenCounter&& counter) : total_(counter.total_) {
  const size_t words = counter.entries_.size();
  // At most three quarters of the slots are filled.
  size_t slot_count = 1;
  while (slot_count * 3 < words * 4) slot_count *= 2;
  slots_.assign(slot_count, 0);
  const size_t mask = slot_count - 1;
  counts_.resize(words);
  for (const FirstSeenCounter::Slot& slot : counter.slots_) {
    if (slot.entry == 0) continue;
    counts_[slot.entry - 1] = slot.count;
    size_t at = static_cast<size_t>(counter.HashOfSlot(slot) >> 32) & mask;
    while (slots_[at] != 0) at = (at + 1) & mask;
    slots_[at] = slot.entry;
  }
  std::vector<FirstSeenCounter::Slot>().swap(counter.slots_);

  for (const FirstSeenCounter::Spilled& spilled : counter.spilled_) {
    spilled_.emplace_back(spilled.entry, spilled.count);
  }
  std::sort(spilled_.begin(), spilled_.end());

  const size_t noted = std::min(words, counter.capitals_.size() / 2);
  capital_bits_.assign((words + 63) / 64, 0);
  capitals_before_.assign(capital_bits_.size(), 0);
  for (size_t entry = 0; entry < noted; ++entry) {
    if (entry % 64 == 0) capitals_before_[entry / 64] = static_cast<uint32_t>(capitals_.size());
    const int64_t hidden = counter.capitals_[2 * entry];
    const int64_t shown = counter.capitals_[2 * entry + 1];
    if (hidden == 0 && shown == 0) continue;
    capital_bits_[entry / 64] |= uint64_t{1} << (entry % 64);
    capitals_.push_back(Capitals{hidden, shown});
  }
  for (size_t block = (noted + 63) / 64; block < capitals_before_.size(); ++block) {
    capitals_before_[block] = static_cast<uint32_t>(capitals_.size());
  }
  if (capitals_.empty()) {
    capital_bits_.clear();
    capitals_before_.clear();
  }
  std::vector<int64_t>().swap(counter.capitals_);

  // The counter's words already stand one after another, first seen first.
  ends_.Reserve(words);
  for (size_t entry = 0; entry < words; ++entry) {
    ends_.Add(counter.entries_[entry].offset + counter.entries_[entry].length);
  }
  arena_ = std::move(counter.arena_);
  arena_.resize(words == 0 ? 0 : ends_[words - 1]);
  arena_.shrink_to_fit();
  counter = FirstSeenCounter();
}

std::optional<size_t> CountedWords::IndexOf(std::string_view word) const {
  if (word.empty() || counts_.empty()) return std::nullopt;
  return IndexFrom(word, HomeOf(word));
}

std::optional<size_t> CountedWords::IndexFrom(std::string_view word, size_t at) const {
  const size_t mask = slots_.size() - 1;
  for (;; at = (at + 1) & mask) {
    const uint32_t slot = slots_[at];
    if (slot == 0) return std::nullopt;
    if (WordAt(slot - 1) == word) return slot - 1;
  }
}

void CountedWords::IndexesOf(const std::string_view* words, size_t count,
                             std::optional<size_t>* indexes) const {
  if (counts_.empty()) {
    std::fill(indexes, indexes + count, std::nullopt);
    return;
  }
  // Each lookup reads a slot, then where its word ends, then the word: each step is requested
  // for the whole batch before any is read, so that the reads overlap.
  size_t homes[kBatch];
  for (size_t i = 0; i < count; ++i) {
    homes[i] = HomeOf(words[i]);
    __builtin_prefetch(&slots_[homes[i]]);
  }
  for (size_t i = 0; i < count; ++i) {
    const uint32_t slot = slots_[homes[i]];
    if (slot != 0) ends_.Prefetch(slot - 1);
  }
  for (size_t i = 0; i < count; ++i) {
    const uint32_t slot = slots_[homes[i]];
    if (slot != 0) __builtin_prefetch(WordAt(slot - 1).data());
  }
  for (size_t i = 0; i < count; ++i) {
    indexes[i] = words[i].empty() ? std::nullopt : IndexFrom(words[i], homes[i]);
  }
}

WordTally CountedWords::Find(std::string_view word) const {
  const std::optional<size_t> entry = IndexOf(word);
  return entry ? TallyAt(*entry) : WordTally{};
}

int64_t CountedWords::CountAt(size_t entry) const {
  int64_t count = counts_[entry];
  if (!spilled_.empty()) {
    const auto spilled =
        std::lower_bound(spilled_.begin(), spilled_.end(), std::pair<size_t, int64_t>(entry, 0));
    if (spilled != spilled_.end() && spilled->first == entry) count += spilled->second;
  }
  return count;
}

WordTally CountedWords::TallyAt(size_t entry) const {
  const int64_t count = CountAt(entry);
  const Capitals* capitals = CapitalsOf(entry);
  if (capitals == nullptr) return WordTally{count, count, 0};
  return WordTally{count, count - capitals->hidden, capitals->shown};
}

const CountedWords::Capitals* CountedWords::CapitalsOf(size_t entry) const {
  if (capital_bits_.empty()) return nullptr;
  const uint64_t bits = capital_bits_[entry / 64];
  const uint64_t bit = uint64_t{1} << (entry % 64);
  if ((bits & bit) == 0) return nullptr;
  return &capitals_[capitals_before_[entry / 64] + std::popcount(bits & (bit - 1))];
}

std::shared_ptr<const CountedWords> SharedWords(FirstSeenCounter words) {
  return std::make_shared<const CountedWords>(std::move(words));
}

}  // namespace tarn
