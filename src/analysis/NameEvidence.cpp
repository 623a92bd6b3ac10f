#include "analysis/NameEvidence.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace tarn {

NameEvidence::NameEvidence(FirstSeenCounter words)
    : words_(std::make_shared<const CountedWords>(std::move(words))) {}

WordTally NameEvidence::Of(std::u16string_view word) const {
  if (!words_) return {};
  // Counted words are ASCII letters; anything else was never counted.
  std::string narrow(word.size(), '\0');
  for (size_t i = 0; i < word.size(); ++i) {
    if (word[i] == 0 || word[i] > 0x7F) return {};
    narrow[i] = static_cast<char>(word[i]);
  }
  return words_->Find(narrow);
}

namespace {

// The bytes of a word of up to eight letters as one number, the first lowest, so that a word is
// compared with a title in one instruction.
constexpr uint64_t Packed(std::string_view word) {
  uint64_t packed = 0;
  for (size_t i = 0; i < word.size(); ++i) {
    packed |= uint64_t{static_cast<unsigned char>(word[i])} << (8 * i);
  }
  return packed;
}

constexpr std::array<uint64_t, 15> kPackedTitles = {
    Packed("mr"),  Packed("ms"),  Packed("dr"),  Packed("st"),   Packed("lt"),
    Packed("mrs"), Packed("rev"), Packed("col"), Packed("gen"),  Packed("sgt"),
    Packed("mme"), Packed("prof"), Packed("capt"), Packed("mlle"), Packed("messrs")};

}  // namespace

bool IsListedTitle(std::string_view word) {
  if (word.size() > kLongestTitleBeforeName) return false;
  const uint64_t packed = Packed(word);
  return std::find(kPackedTitles.begin(), kPackedTitles.end(), packed) != kPackedTitles.end();
}

}  // namespace tarn
