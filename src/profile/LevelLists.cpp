#include "profile/LevelLists.h"

#include "text/CodePage936.h"
#include "text/Error.h"
#include "text/Trim.h"
#include "wordlists/TextWordList.h"

namespace tarn {

LevelLists::LevelLists(const std::string& dict_folder, Ladder ladder) : ladder_(ladder) {
  for (const LevelDefinition& definition : LevelsOf(ladder)) {
    Level& level = levels_.emplace_back();
    level.definition = &definition;
    level.path = dict_folder + "/" + std::string(definition.file);
    std::vector<std::string> lines;
    try {
      lines = ReadTextLines(level.path);
    } catch (const Error& error) {
      level.error = error.what();
      continue;
    }
    level.read = true;
    const int index = static_cast<int>(levels_.size()) - 1;
    for (const std::string& line : lines) {
      const std::string_view word = TrimView<char>(line);
      // Levels are read lowest first, so the first level that lists a word is its own.
      if (word.empty()) continue;
      lowest_.Add(Cp936ToUtf16(word), index);
    }
  }
}

}  // namespace tarn
