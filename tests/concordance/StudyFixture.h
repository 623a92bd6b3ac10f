#pragma once

#include <filesystem>
#include <string>

#include "morphology/DictFixture.h"
#include "profile/LevelLadder.h"
#include "support/TempFolder.h"
#include "wordlists/TextWordList.h"

namespace tarn::testing {

// A document whose sentences the study list tests know: went three times, go and goes once.
inline constexpr char kStudyDocument[] =
    "He went to the house.  \"Go <now> & quickly,\" she said.\r\n"
    "They went home\r\nand she goes.\r\n\r\nWe went.\r\n";

// A dict folder for the study list: went is go's irregular form, the is a stop word, go is a
// 高考 word and now a 四级 one (the other exam lists empty), and two glosses, one with the
// characters HTML and CSV must escape.
inline std::string WriteStudyDict(const TempFolder& folder) {
  const std::string dict = WriteDict(folder, {{}, {"went", "go"}, {}, {}, {}, {"the"}});
  std::filesystem::create_directories(dict + "/levels");
  for (const LevelDefinition& level : LevelsOf(Ladder::kExam)) {
    std::vector<std::string> words;
    if (level.label != "中考") words.push_back("go");
    if (level.label != "中考" && level.label != "高考") words.push_back("now");
    WriteTextLines(dict + "/" + std::string(level.file), words);
  }
  folder.Write("dict/glosses.txt", "# word<TAB>gloss\ngo\tv. 去，走\nnow\tadv. 现在 & \"立刻\"\n");
  return dict;
}

}  // namespace tarn::testing
