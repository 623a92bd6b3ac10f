#include "wordtable/WordIndex.h"

#include <bit>
#include <cstring>

namespace tarn {
namespace {

constexpr size_t kInitialSlots = 64;
constexpr uint64_t kMul = 0x9E3779B97F4A7C15ull;

uint64_t Mix(uint64_t h) {
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  h *= 0xC4CEB9FE1A85EC53ull;
  h ^= h >> 33;
  return h;
}

}  // namespace

uint64_t WordIndex::HashKey(std::u16string_view key) {
  const char* bytes = reinterpret_cast<const char*>(key.data());
  size_t size = key.size() * sizeof(char16_t);
  uint64_t h = size * kMul;
  while (size >= 8) {
    uint64_t chunk;
    std::memcpy(&chunk, bytes, 8);
    h = std::rotl((h ^ chunk) * kMul, 29);
    bytes += 8;
    size -= 8;
  }
  if (size > 0) {
    uint64_t chunk = 0;
    std::memcpy(&chunk, bytes, size);
    h = std::rotl((h ^ chunk) * kMul, 29);
  }
  return Mix(h);
}

size_t WordIndex::FindSlot(std::u16string_view key, uint64_t hash) const {
  const size_t mask = slots_.size() - 1;
  size_t i = hash & mask;
  while (slots_[i].node != nullptr) {
    if (slots_[i].hash == hash && slots_[i].node->Key == key) return i;
    i = (i + 1) & mask;
  }
  return i;
}

bool WordIndex::TooFull(size_t keys) const {
  return keys * kMostFilled.second > slots_.size() * kMostFilled.first;
}

WordNode* WordIndex::Find(std::u16string_view key, uint64_t hash) const {
  if (used_ == 0) return nullptr;
  return slots_[FindSlot(key, hash)].node;
}

void WordIndex::Push(WordNode* node) {
  if (TooFull(used_ + 1)) Rehash(slots_.empty() ? kInitialSlots : slots_.size() * 2);
  Slot& slot = slots_[FindSlot(node->Key, node->Hash)];
  if (slot.node == nullptr) {
    slot.hash = node->Hash;
    ++used_;
  }
  node->Older = slot.node;
  slot.node = node;
}

void WordIndex::PushBatch(WordNode* const* nodes, size_t count) {
  if (TooFull(used_ + count)) Reserve(used_ + count);
  const size_t mask = slots_.size() - 1;
  for (size_t i = 0; i < count; ++i) __builtin_prefetch(&slots_[nodes[i]->Hash & mask]);
  for (size_t i = 0; i < count; ++i) Push(nodes[i]);
}

void WordIndex::Pop(WordNode* node) {
  const size_t mask = slots_.size() - 1;
  size_t hole = FindSlot(node->Key, node->Hash);
  if (node->Older != nullptr) {
    slots_[hole].node = node->Older;
    return;
  }
  // Backward-shift deletion keeps every probe sequence unbroken without tombstones.
  slots_[hole] = Slot{};
  --used_;
  for (size_t i = (hole + 1) & mask; slots_[i].node != nullptr; i = (i + 1) & mask) {
    size_t home = slots_[i].hash & mask;
    if (((i - home) & mask) >= ((i - hole) & mask)) {
      slots_[hole] = slots_[i];
      slots_[i] = Slot{};
      hole = i;
    }
  }
}

void WordIndex::Clear() {
  std::vector<Slot>().swap(slots_);
  used_ = 0;
}

void WordIndex::Reserve(size_t count) {
  size_t slot_count = kInitialSlots;
  while (slot_count * kMostFilled.first < count * kMostFilled.second) slot_count *= 2;
  if (slot_count > slots_.size()) Rehash(slot_count);
}

void WordIndex::Rehash(size_t slot_count) {
  std::vector<Slot> old = std::move(slots_);
  slots_ = {};
  slots_.assign(slot_count, Slot{});
  const size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.node == nullptr) continue;
    size_t i = slot.hash & mask;
    while (slots_[i].node != nullptr) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

}  // namespace tarn
