#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "analysis/CountingRun.h"
#include "analysis/StatisticsState.h"
#include "morphology/Lexicon.h"
#include "profile/LevelLists.h"
#include "profile/MergedBase.h"
#include "profile/VocabularyProfile.h"
#include "support/FakeUserPort.h"
#include "support/TempFolder.h"
#include "text/CodePage936.h"
#include "wordlists/TextWordList.h"

namespace tarn::testing {

// A dict folder with the level lists given (a list per level of the exam ladder, lowest first;
// a level without a list is left out of the folder), a small lexicon and a counted document.
class ProfileFixture : public ::testing::Test {
 protected:
  // Stop words and one irregular pair; no reducer tables.
  static Lexicon SmallLexicon() {
    Lexicon lexicon;
    Fill(*lexicon.StopWords, {"the", "a", "is"});
    lexicon.IrregularPairs = {"went", "go"};
    return lexicon;
  }

  static void Fill(THashTable& table, std::initializer_list<const char*> words) {
    for (const char* word : words) table.AddItem(Cp936ToUtf16(word), u"", 1, 1, 1);
  }

  // Writes the exam lists: `lists[i]` is level i's own words; each file holds the levels below.
  // An empty optional leaves that level's file out.
  std::string WriteExamLists(const std::vector<std::vector<std::string>>& lists,
                             std::set<size_t> missing = {}) {
    std::filesystem::create_directories(folder_.path() / "dict" / "levels");
    std::vector<std::string> cumulative;
    const auto levels = LevelsOf(Ladder::kExam);
    for (size_t i = 0; i < levels.size(); ++i) {
      if (i < lists.size()) cumulative.insert(cumulative.end(), lists[i].begin(), lists[i].end());
      if (missing.count(i) == 0) {
        WriteTextLines(folder_ / ("dict/" + std::string(levels[i].file)), cumulative);
      }
    }
    return folder_ / "dict";
  }

  void Count(const std::string& text) {
    CountingRun(state_, *lexicon_.StopWords, port_, [] { return int64_t{0}; }).RunLines({text});
  }

  VocabularyProfile Profile(const LevelLists& lists) {
    const WordPlacement placement(lists, base_, is_name_);
    return ComputeProfile(state_, placement);
  }

  TempFolder folder_;
  Lexicon lexicon_ = SmallLexicon();
  StatisticsState state_;
  FakeUserPort port_;
  MergedBase base_{lexicon_};
  std::set<std::u16string> names_{u"holmes"};
  NameTest is_name_ = [this](const std::u16string& word) { return names_.count(word) != 0; };
};

}  // namespace tarn::testing
