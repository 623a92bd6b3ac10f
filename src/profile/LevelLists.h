#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "profile/LevelLadder.h"

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
  int LevelOf(const std::u16string& word) const;

 private:
  Ladder ladder_;
  std::vector<Level> levels_;
  std::unordered_map<std::u16string, int> lowest_;
};

}  // namespace tarn
