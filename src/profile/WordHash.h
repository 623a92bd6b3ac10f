#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// A 64-bit hash of a word's code units (FNV-1a, then a final mix so that its low bits index
// well). Never 0, which marks an empty slot below.
inline uint64_t WordHash(std::u16string_view word) {
  uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char16_t unit : word) hash = (hash ^ unit) * 0x100000001b3ULL;
  hash ^= hash >> 33;
  hash *= 0xff51afd7ed558ccdULL;
  hash ^= hash >> 33;
  return hash == 0 ? 1 : hash;
}

// Words and a value for each, looked up by the word's WordHash in one flat array: a lookup
// costs one hash and, on a hit, one comparison of the text. Built once, then only read.
template <typename Value>
class WordMap {
 public:
  // Adds `word` with `value` unless the word is there already (the first value stays).
  void Add(std::u16string_view word, Value value) {
    if ((entries_.size() + 1) * 2 > slots_.size()) Rehash(slots_.empty() ? 64 : slots_.size() * 2);
    const uint64_t hash = WordHash(word);
    size_t i = SlotOf(hash, word);
    if (slots_[i].entry != 0) return;
    entries_.push_back({std::u16string(word), value});
    slots_[i] = {hash, static_cast<uint32_t>(entries_.size())};
  }

  // The value of `word` (whose WordHash is `hash`), or nullptr.
  const Value* Find(std::u16string_view word, uint64_t hash) const {
    if (slots_.empty()) return nullptr;
    const uint32_t entry = slots_[SlotOf(hash, word)].entry;
    return entry == 0 ? nullptr : &entries_[entry - 1].value;
  }
  const Value* Find(std::u16string_view word) const { return Find(word, WordHash(word)); }
  // How many words there are.
  size_t Size() const { return entries_.size(); }
  // Asks for the slot where a lookup of `hash` starts to be brought into cache.
  void Prefetch(uint64_t hash) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
  }

 private:
  struct Entry {
    std::u16string word;
    Value value;
  };
  struct Slot {
    uint64_t hash = 0;
    uint32_t entry = 0;  // 1-based index into entries_, 0 for an empty slot
  };

  // The slot that holds `word`, or the empty slot where it would go.
  size_t SlotOf(uint64_t hash, std::u16string_view word) const {
    const size_t mask = slots_.size() - 1;
    size_t i = hash & mask;
    while (slots_[i].entry != 0 &&
           (slots_[i].hash != hash || entries_[slots_[i].entry - 1].word != word)) {
      i = (i + 1) & mask;
    }
    return i;
  }

  void Rehash(size_t size) {
    slots_.assign(std::bit_ceil(size), Slot{});
    const size_t mask = slots_.size() - 1;
    for (uint32_t e = 0; e < entries_.size(); ++e) {
      const uint64_t hash = WordHash(entries_[e].word);
      size_t i = hash & mask;
      while (slots_[i].entry != 0) i = (i + 1) & mask;
      slots_[i] = {hash, e + 1};
    }
  }

  std::vector<Slot> slots_;
  std::vector<Entry> entries_;
};

}  // namespace tarn
