#include "analysis/FirstSeenCounter.h"

#include <algorithm>
#include <cstring>

namespace tarn {

namespace {

constexpr size_t kInitialSlots = 1 << 12;

uint64_t Load64(const char* bytes) {
  uint64_t value;
  std::memcpy(&value, bytes, 8);
  return value;
}

uint64_t Load32(const char* bytes) {
  uint32_t value;
  std::memcpy(&value, bytes, 4);
  return value;
}

// The first min(8, size) bytes of a non-empty word as a zero-padded number, read without a
// byte loop: two overlapping reads for 4 to 8 bytes, three single bytes below that.
uint64_t Prefix(const char* bytes, size_t size) {
  if (size >= 8) return Load64(bytes);
  if (size >= 4) return Load32(bytes) | (Load32(bytes + size - 4) << (8 * (size - 4)));
  const auto byte = [bytes](size_t i) { return uint64_t{static_cast<unsigned char>(bytes[i])}; };
  return byte(0) | (byte(size / 2) << (8 * (size / 2))) | (byte(size - 1) << (8 * (size - 1)));
}

uint64_t Mix(uint64_t h, uint64_t value) {
  h = (h ^ value) * 0xBF58476D1CE4E5B9ull;
  return h ^ (h >> 31);
}

uint64_t Hash(uint64_t prefix, std::string_view word) {
  uint64_t h = Mix(0x9E3779B97F4A7C15ull ^ word.size(), prefix);
  size_t at = 8;
  for (; at + 8 <= word.size(); at += 8) h = Mix(h, Load64(word.data() + at));
  if (at < word.size()) h = Mix(h, Prefix(word.data() + at, word.size() - at));
  h *= 0x94D049BB133111EBull;
  return h ^ (h >> 29);
}

}  // namespace

FirstSeenCounter::FirstSeenCounter()
    : slots_(kInitialSlots, Slot{0, 0, 0}), mask_(kInitialSlots - 1) {}

void FirstSeenCounter::Add(std::string_view word) {
  const uint64_t prefix = Prefix(word.data(), word.size());
  Insert(word, prefix, Hash(prefix, word));
}

void FirstSeenCounter::AddBatch(const char* base, const WordSpan* spans, size_t count) {
  constexpr size_t kGroup = 16;
  uint64_t prefixes[kGroup];
  uint64_t hashes[kGroup];
  for (size_t first = 0; first < count; first += kGroup) {
    const size_t size = std::min(kGroup, count - first);
    for (size_t k = 0; k < size; ++k) {
      const std::string_view word(base + spans[first + k].offset, spans[first + k].length);
      prefixes[k] = Prefix(word.data(), word.size());
      hashes[k] = Hash(prefixes[k], word);
      __builtin_prefetch(&slots_[static_cast<size_t>(hashes[k] >> 32) & mask_]);
    }
    for (size_t k = 0; k < size; ++k) {
      Insert(std::string_view(base + spans[first + k].offset, spans[first + k].length), prefixes[k],
             hashes[k]);
    }
  }
}

inline void FirstSeenCounter::Insert(std::string_view word, uint64_t prefix, uint64_t hash) {
  ++total_;
  size_t at = static_cast<size_t>(hash >> 32) & mask_;
  while (true) {
    Slot& slot = slots_[at];
    if (slot.entry == 0) break;
    if (slot.prefix == prefix) {
      // Below eight bytes the zero-padded prefix is the whole word; from eight on, the entry
      // holds the length and the rest.
      if (word.size() < 8 || SameTail(entries_[slot.entry - 1], word)) {
        if (++slot.count == UINT32_MAX) {
          entries_[slot.entry - 1].spilled += slot.count;
          slot.count = 0;
        }
        return;
      }
    }
    at = (at + 1) & mask_;
  }
  entries_.push_back(Entry{arena_.size(), word.size(), hash, 0});
  arena_.append(word);
  slots_[at] = Slot{prefix, 1, static_cast<uint32_t>(entries_.size())};
  if (entries_.size() * 2 > slots_.size()) Grow();
}

bool FirstSeenCounter::SameTail(const Entry& entry, std::string_view word) const {
  return entry.length == word.size() &&
         std::memcmp(arena_.data() + entry.offset + 8, word.data() + 8, word.size() - 8) == 0;
}

void FirstSeenCounter::Grow() {
  std::vector<Slot> slots(slots_.size() * 2, Slot{0, 0, 0});
  const size_t mask = slots.size() - 1;
  for (const Slot& slot : slots_) {
    if (slot.entry == 0) continue;
    size_t at = static_cast<size_t>(entries_[slot.entry - 1].hash >> 32) & mask;
    while (slots[at].entry != 0) at = (at + 1) & mask;
    slots[at] = slot;
  }
  slots_.swap(slots);
  mask_ = mask;
}

}  // namespace tarn
