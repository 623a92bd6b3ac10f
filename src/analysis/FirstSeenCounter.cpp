#include "analysis/FirstSeenCounter.h"

#include <cstring>

namespace tarn {

namespace {

constexpr size_t kInitialSlots = 1 << 12;

uint64_t Load(const char* bytes, size_t count) {
  uint64_t value = 0;
  std::memcpy(&value, bytes, count);
  return value;
}

}  // namespace

FirstSeenCounter::FirstSeenCounter()
    : slots_(kInitialSlots, Slot{0, 0}), mask_(kInitialSlots - 1) {}

uint64_t FirstSeenCounter::Hash(std::string_view word) {
  const char* bytes = word.data();
  size_t left = word.size();
  uint64_t h = 0x9E3779B97F4A7C15ull ^ left;
  while (left >= 8) {
    h = (h ^ Load(bytes, 8)) * 0xBF58476D1CE4E5B9ull;
    h ^= h >> 31;
    bytes += 8;
    left -= 8;
  }
  h = (h ^ Load(bytes, left)) * 0x94D049BB133111EBull;
  return h ^ (h >> 29);
}

void FirstSeenCounter::Add(std::string_view word) {
  ++total_;
  const uint64_t hash = Hash(word);
  const auto tag = static_cast<uint32_t>(hash);
  size_t at = static_cast<size_t>(hash >> 32) & mask_;
  while (true) {
    const Slot slot = slots_[at];
    if (slot.entry == 0) break;
    if (slot.tag == tag) {
      Entry& entry = entries_[slot.entry - 1];
      if (entry.length == word.size() &&
          std::memcmp(arena_.data() + entry.offset, word.data(), word.size()) == 0) {
        ++entry.count;
        return;
      }
    }
    at = (at + 1) & mask_;
  }
  entries_.push_back(Entry{arena_.size(), word.size(), 1, hash});
  arena_.append(word);
  slots_[at] = Slot{tag, static_cast<uint32_t>(entries_.size())};
  if (entries_.size() * 2 > slots_.size()) Grow();
}

void FirstSeenCounter::Grow() {
  std::vector<Slot> slots(slots_.size() * 2, Slot{0, 0});
  const size_t mask = slots.size() - 1;
  for (size_t i = 0; i < entries_.size(); ++i) {
    const uint64_t hash = entries_[i].hash;
    size_t at = static_cast<size_t>(hash >> 32) & mask;
    while (slots[at].entry != 0) at = (at + 1) & mask;
    slots[at] = Slot{static_cast<uint32_t>(hash), static_cast<uint32_t>(i + 1)};
  }
  slots_.swap(slots);
  mask_ = mask;
}

}  // namespace tarn
