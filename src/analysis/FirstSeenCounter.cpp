#include "analysis/FirstSeenCounter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <utility>

namespace tarn {

namespace {

constexpr size_t kInitialSlots = 1 << 12;
// From this many slots (48 MB) on, they may be fuller.
constexpr size_t kLargeSlots = size_t{1} << 21;

// Whether `words` distinct words crowd `slots` slots: past half of them, or for a large
// vocabulary past three quarters. Probes at three quarters are a little longer, but millions of
// words in slots half full would take twice the room.
bool Crowded(size_t words, size_t slots) {
  return slots < kLargeSlots ? words * 2 > slots : words * 4 > slots * 3;
}

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

// Bytes 8 to 15 of a word as a zero-padded number.
uint64_t Second(const char* bytes, size_t size) {
  if (size >= 16) return Load64(bytes + 8);
  return size > 8 ? Prefix(bytes + 8, size - 8) : 0;
}

// The hash of a word starts from its length and its first sixteen bytes, zero-padded.
uint64_t HashStart(size_t size, uint64_t prefix, uint64_t second) {
  return Mix(Mix(0x9E3779B97F4A7C15ull ^ size, prefix), second);
}

uint64_t HashEnd(uint64_t h) {
  h *= 0x94D049BB133111EBull;
  return h ^ (h >> 29);
}

// The hash of a word of up to sixteen bytes, from its length and its leading bytes.
uint64_t ShortHash(size_t size, uint64_t prefix, uint64_t second) {
  return HashEnd(HashStart(size, prefix, second));
}

// The hash `h` of a word's first sixteen bytes continued over the rest of it.
[[gnu::noinline]] uint64_t LongHash(uint64_t h, std::string_view word) {
  size_t at = 16;
  for (; at + 8 <= word.size(); at += 8) h = Mix(h, Load64(word.data() + at));
  if (at < word.size()) h = Mix(h, Prefix(word.data() + at, word.size() - at));
  return HashEnd(h);
}

inline uint64_t Hash(uint64_t prefix, uint64_t second, std::string_view word) {
  const uint64_t h = HashStart(word.size(), prefix, second);
  return word.size() <= 16 ? HashEnd(h) : LongHash(h, word);
}

// Masks that keep the low 0 to 8 bytes of a number, by the number of bytes.
constexpr std::array<uint64_t, 9> kLowBytes = [] {
  std::array<uint64_t, 9> masks{};
  for (size_t n = 0; n < 8; ++n) masks[n] = (uint64_t{1} << (8 * n)) - 1;
  masks[8] = ~uint64_t{0};
  return masks;
}();

WordKey KeyOf(std::string_view word, uint64_t prefix, uint64_t second) {
  return WordKey{prefix, second, Hash(prefix, second, word)};
}

WordKey KeyOf(std::string_view word) {
  return KeyOf(word, Prefix(word.data(), word.size()), Second(word.data(), word.size()));
}

// PaddedKeyOf, for the loops over a batch's words: a call per word would cost a good part of
// what the key does.
[[gnu::always_inline]] inline WordKey PaddedKey(std::string_view word) {
  const size_t first = std::min<size_t>(word.size(), 8);
  const size_t rest = std::min<size_t>(word.size() - first, 8);
  return KeyOf(word, Load64(word.data()) & kLowBytes[first],
               Load64(word.data() + 8) & kLowBytes[rest]);
}

// The number of leading non-zero bytes of a zero-padded word part.
size_t BytesIn(uint64_t part) { return (64 - static_cast<size_t>(__builtin_clzll(part)) + 7) / 8; }

}  // namespace

inline bool FirstSeenCounter::Holds(const Slot& slot, std::string_view word,
                                    const WordKey& key) const {
  // Below sixteen bytes the zero-padded leading bytes are the whole word (words hold no zero
  // byte); from sixteen on, the entry holds the length and the rest.
  return slot.prefix == key.prefix && slot.second == key.second &&
         (word.size() < 16 || SameTail(entries_[slot.entry - 1], word));
}

FirstSeenCounter::FirstSeenCounter()
    : slots_(kInitialSlots, Slot{0, 0, 0, 0}), mask_(kInitialSlots - 1) {}

FirstSeenCounter::FirstSeenCounter(size_t words, size_t letters) {
  size_t slots = kInitialSlots;
  while (Crowded(words, slots)) slots *= 2;
  slots_.assign(slots, Slot{0, 0, 0, 0});
  mask_ = slots - 1;
  entries_.reserve(words);
  arena_.reserve(letters);
}

void FirstSeenCounter::Add(std::string_view word) {
  ++total_;
  Insert(word, KeyOf(word));
}

size_t FirstSeenCounter::SlotIndexOf(std::string_view word, const WordKey& key) const {
  for (size_t at = static_cast<size_t>(key.hash >> 32) & mask_;; at = (at + 1) & mask_) {
    const Slot& slot = slots_[at];
    if (slot.entry == 0) return slots_.size();
    if (Holds(slot, word, key)) {
      return at;
    }
  }
}

WordTally FirstSeenCounter::Find(std::string_view word) const {
  if (word.empty()) return {};
  const size_t at = SlotIndexOf(word, KeyOf(word));
  return at < slots_.size() ? TallyOf(slots_[at]) : WordTally{};
}

std::optional<size_t> FirstSeenCounter::IndexOf(std::string_view word) const {
  if (word.empty()) return std::nullopt;
  const size_t at = SlotIndexOf(word, KeyOf(word));
  if (at == slots_.size()) return std::nullopt;
  return slots_[at].entry - 1;
}

size_t FirstSeenCounter::AddTally(std::string_view word, const WordTally& tally) {
  return AddKeyedTally(word, KeyOf(word), tally);
}

void FirstSeenCounter::AddTallies(const std::string_view* words, const WordTally* tallies,
                                  size_t count, uint32_t* entries) {
  // Each word's slot is requested this many words before it is counted.
  constexpr size_t kAhead = 16;
  WordKey ready[kAhead];
  const auto prepare = [&](size_t i) {
    ready[i % kAhead] = KeyOf(words[i]);
    PrefetchSlot(ready[i % kAhead]);
  };
  for (size_t i = 0; i < std::min(kAhead, count); ++i) prepare(i);
  for (size_t i = 0; i < count; ++i) {
    const WordKey key = ready[i % kAhead];
    if (i + kAhead < count) prepare(i + kAhead);
    entries[i] = static_cast<uint32_t>(AddKeyedTally(words[i], key, tallies[i]));
  }
}

size_t FirstSeenCounter::AddKeyedTally(std::string_view word, const WordKey& key,
                                       const WordTally& tally) {
  total_ += tally.count;
  // Counted at least once, as Insert counts, and found in one lookup.
  int64_t rest = std::max<int64_t>(tally.count, 1);
  size_t at = static_cast<size_t>(key.hash >> 32) & mask_;
  size_t entry;
  while (true) {
    Slot& slot = slots_[at];
    if (slot.entry == 0) {
      const size_t slot_count = slots_.size();
      entry = AddEntry(word, key, at);
      --rest;
      if (rest > 0 && slots_.size() != slot_count) at = SlotIndexOf(word, key);
      break;
    }
    if (Holds(slot, word, key)) {
      entry = slot.entry - 1;
      break;
    }
    at = (at + 1) & mask_;
  }
  // What the slot cannot hold is spilled.
  if (rest > 0) {
    Slot& slot = slots_[at];
    if (rest < int64_t{UINT32_MAX} - slot.count) {
      slot.count += static_cast<uint32_t>(rest);
    } else {
      AddSpilled(entry, rest);
    }
  }
  const int64_t hidden = tally.count - tally.eligible;
  if (hidden != 0 || tally.capitalised != 0) {
    int64_t* capitals = CapitalsOf(entry);
    capitals[0] += hidden;
    capitals[1] += tally.capitalised;
  }
  return entry;
}

int64_t* FirstSeenCounter::CapitalsOf(size_t entry) {
  if (capitals_.size() < 2 * entries_.size()) {
    if (capitals_.capacity() < 2 * entries_.capacity()) {
      capitals_.reserve(2 * entries_.capacity());
    }
    capitals_.resize(2 * entries_.capacity());
  }
  return capitals_.data() + 2 * entry;
}

void FirstSeenCounter::AddCapitals(const uint32_t* entries, const uint32_t* capitals,
                                   size_t count) {
  if (count == 0) return;
  int64_t* const noted = CapitalsOf(0);
  // The words' tallies lie all over a table of all the distinct words: each is asked for this
  // many capitals before it is counted.
  constexpr size_t kAhead = 16;
  const auto tally_of = [&](size_t i) { return noted + 2 * size_t{entries[capitals[i] >> 1]}; };
  for (size_t i = 0; i < count; ++i) {
    if (i + kAhead < count) __builtin_prefetch(tally_of(i + kAhead), 1);
    ++tally_of(i)[capitals[i] & 1];
  }
}

WordTally FirstSeenCounter::TallyOf(const Slot& slot) const {
  const size_t entry = slot.entry - 1;
  int64_t count = slot.count;
  for (const Spilled& spilled : spilled_) {
    if (spilled.entry == entry) count += spilled.count;
  }
  const bool noted = 2 * entry < capitals_.size();
  const int64_t hidden = noted ? capitals_[2 * entry] : 0;
  const int64_t shown = noted ? capitals_[2 * entry + 1] : 0;
  return WordTally{count, count - hidden, shown};
}

WordKey FirstSeenCounter::PaddedKeyOf(std::string_view word) { return PaddedKey(word); }

uint64_t FirstSeenCounter::HashOf(std::string_view word) { return KeyOf(word).hash; }

void FirstSeenCounter::PaddedKeysOf(const char* base, const WordSpan* spans, size_t count,
                                    WordKey* keys) {
  for (size_t i = 0; i < count; ++i) {
    keys[i] = PaddedKey(std::string_view(base + spans[i].offset, spans[i].length));
  }
}

void FirstSeenCounter::AddKeyed(const char* base, const WordSpan* spans, const WordKey* keys,
                                size_t count, uint32_t* entries) {
  if (entries != nullptr) {
    CountKeyed<true>(base, spans, keys, count, entries);
  } else {
    CountKeyed<false>(base, spans, keys, count, nullptr);
  }
}

template <bool kRecord>
void FirstSeenCounter::CountKeyed(const char* base, const WordSpan* spans, const WordKey* keys,
                                  size_t count, uint32_t* entries) {
  total_ += static_cast<int64_t>(count);
  const auto count_word = [&](size_t i, const WordKey& key) {
    const size_t entry = Insert(std::string_view(base + spans[i].offset, spans[i].length), key);
    if constexpr (kRecord) entries[i] = static_cast<uint32_t>(entry);
  };
  // Each word's slot is requested this many words before it is counted, so that it has arrived
  // from memory by then.
  constexpr size_t kAhead = 32;
  if (keys != nullptr) {
    for (size_t i = 0; i < std::min(kAhead, count); ++i) PrefetchSlot(keys[i]);
    for (size_t i = 0; i < count; ++i) {
      if (i + kAhead < count) PrefetchSlot(keys[i + kAhead]);
      count_word(i, keys[i]);
    }
    return;
  }
  WordKey ready[kAhead];
  const auto prepare = [&](size_t i) {
    ready[i % kAhead] = PaddedKey(std::string_view(base + spans[i].offset, spans[i].length));
    PrefetchSlot(ready[i % kAhead]);
  };
  for (size_t i = 0; i < std::min(kAhead, count); ++i) prepare(i);
  for (size_t i = 0; i < count; ++i) {
    const WordKey key = ready[i % kAhead];
    if (i + kAhead < count) prepare(i + kAhead);
    count_word(i, key);
  }
}

void FirstSeenCounter::AddPadded(const char* base, const WordSpan* spans, size_t count,
                                 uint32_t* entries) {
  AddKeyed(base, spans, nullptr, count, entries);
}

void FirstSeenCounter::TakeBack(size_t kept, const uint32_t* entries, const WordTally* less,
                                size_t count) {
  std::vector<WordTally> lower(kept);
  size_t letters = 0;
  for (size_t i = 0; i < count; ++i) {
    if (entries[i] >= kept) continue;
    WordTally& tally = lower[entries[i]];
    tally.count += less[i].count;
    tally.eligible += less[i].eligible;
    tally.capitalised += less[i].capitalised;
  }
  for (size_t i = 0; i < kept; ++i) letters += entries_[i].length;
  // The words kept are counted again in their order, which keeps their first-seen indexes.
  FirstSeenCounter rest(kept, letters);
  size_t entry = 0;
  ForEachTally([&](std::string_view word, WordTally tally) {
    if (entry < kept) {
      tally.count -= lower[entry].count;
      tally.eligible -= lower[entry].eligible;
      tally.capitalised -= lower[entry].capitalised;
      rest.AddTally(word, tally);
    }
    ++entry;
  });
  *this = std::move(rest);
}

inline void FirstSeenCounter::PrefetchSlot(const WordKey& key) const {
  const auto* slot = reinterpret_cast<const char*>(&slots_[(key.hash >> 32) & mask_]);
  __builtin_prefetch(slot);
  // A quarter of the slots straddle two cache lines.
  const char* end = slot + sizeof(Slot) - 1;
  if (((reinterpret_cast<uintptr_t>(slot) ^ reinterpret_cast<uintptr_t>(end)) & ~uintptr_t{63}) !=
      0) {
    __builtin_prefetch(end);
  }
}

inline size_t FirstSeenCounter::Insert(std::string_view word, const WordKey& key) {
  size_t at = static_cast<size_t>(key.hash >> 32) & mask_;
  while (true) {
    Slot& slot = slots_[at];
    if (slot.entry == 0) break;
    if (Holds(slot, word, key)) {
      if (++slot.count == UINT32_MAX) Spill(slot);
      return slot.entry - 1;
    }
    at = (at + 1) & mask_;
  }
  return AddEntry(word, key, at);
}

void FirstSeenCounter::Spill(Slot& slot) {
  AddSpilled(slot.entry - 1, slot.count);
  slot.count = 0;
}

void FirstSeenCounter::AddSpilled(size_t entry, int64_t count) {
  auto spill = std::find_if(spilled_.begin(), spilled_.end(),
                            [entry](const Spilled& item) { return item.entry == entry; });
  if (spill == spilled_.end()) spill = spilled_.insert(spilled_.end(), Spilled{entry, 0});
  spill->count += count;
}

size_t FirstSeenCounter::AddEntry(std::string_view word, const WordKey& key, size_t at) {
  if (entries_.size() == entries_.capacity()) entries_.reserve(2 * entries_.size() + 64);
  if (arena_.size() + word.size() > arena_.capacity()) {
    arena_.reserve(2 * (arena_.size() + word.size()));
  }
  entries_.push_back(Entry{arena_.size(), word.size()});
  arena_.append(word);
  slots_[at] = Slot{key.prefix, key.second, 1, static_cast<uint32_t>(entries_.size())};
  if (Crowded(entries_.size(), slots_.size())) Grow();
  return entries_.size() - 1;
}

bool FirstSeenCounter::SameTail(const Entry& entry, std::string_view word) const {
  return entry.length == word.size() &&
         std::memcmp(arena_.data() + entry.offset + 16, word.data() + 16, word.size() - 16) == 0;
}

uint64_t FirstSeenCounter::HashOfSlot(const Slot& slot) const {
  if ((slot.second >> 56) == 0) {
    const size_t size = slot.second != 0 ? 8 + BytesIn(slot.second) : BytesIn(slot.prefix);
    return ShortHash(size, slot.prefix, slot.second);
  }
  const Entry& entry = entries_[slot.entry - 1];
  return Hash(slot.prefix, slot.second,
              std::string_view(arena_.data() + entry.offset, entry.length));
}

void FirstSeenCounter::Grow() { Rehash(slots_.size() * 2); }

void FirstSeenCounter::Rehash(size_t slot_count) {
  std::vector<Slot> slots(slot_count, Slot{0, 0, 0, 0});
  const size_t mask = slots.size() - 1;
  for (const Slot& slot : slots_) {
    if (slot.entry == 0) continue;
    size_t at = static_cast<size_t>(HashOfSlot(slot) >> 32) & mask;
    while (slots[at].entry != 0) at = (at + 1) & mask;
    slots[at] = slot;
  }
  slots_.swap(slots);
  mask_ = mask;
}

}  // namespace tarn
