#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "profile/LevelLadder.h"
#include "profile/WordHash.h"

namespace tarn {

// The word lists of one ladder as read from a dict folder, with the lowest level of each word.
class LevelLists {
 public:
  // One level and how its list was read.
  struct Level {
    const LevelDefinition* definition;
    std::string path;   // the list's path as it was read
    bool read = false;  // false when the list could not be read; the level is then left out
    std::string error;  // the reader's message when it could not
  };

  // Reads the lists of `ladder` under `dict_folder`. A list that cannot be read leaves its
  // level out with the reader's message; the other levels still work.
  LevelLists(const std::string& dict_folder, Ladder ladder);

  Ladder ladder() const { return ladder_; }
  // Every level of the ladder, lowest first, read or not.
  const std::vector<Level>& Levels() const { return levels_; }
  // The index in Levels() of the lowest read level whose list holds `word`, or -1.
  int LevelOf(std::u16string_view word) const { return LevelOf(word, WordHash(word)); }
  // The same, for a word whose WordHash is `hash`.
  int LevelOf(std::u16string_view word, uint64_t hash) const {
    const int* level = lowest_.Find(word, hash);
    return level == nullptr ? -1 : *level;
  }
  // Asks for what LevelOf a word whose WordHash is `hash` reads first to be brought into cache.
  void Prefetch(uint64_t hash) const { lowest_.Prefetch(hash); }

 private:
  Ladder ladder_;
  std::vector<Level> levels_;
  WordMap<int> lowest_;
};

}  // namespace tarn
