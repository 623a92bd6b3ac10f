#include "analysis/NameEvidence.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace tarn {

NameEvidence::NameEvidence(FirstSeenCounter words)
    : words_(std::make_shared<const FirstSeenCounter>(std::move(words))) {}

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

bool IsListedTitle(std::string_view word) {
  const auto listed = [word](const auto& titles) {
    return std::find(titles.begin(), titles.end(), word) != titles.end();
  };
  switch (word.size()) {
    case 2:
      return listed(std::array<std::string_view, 5>{"mr", "ms", "dr", "st", "lt"});
    case 3:
      return listed(std::array<std::string_view, 6>{"mrs", "rev", "col", "gen", "sgt", "mme"});
    case 4:
      return listed(std::array<std::string_view, 3>{"prof", "capt", "mlle"});
    case 6:
      return word == "messrs";
    default:
      return false;
  }
}

}  // namespace tarn
