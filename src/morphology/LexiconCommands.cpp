#include "morphology/LexiconCommands.h"

#include <algorithm>
#include <utility>

#include "text/CodePage936.h"
#include "text/Collation.h"
#include "text/Lines.h"
#include "wordlists/UserPort.h"
#include "wordlists/WordTableLoading.h"

namespace tarn {

namespace {

// `lines` in ascending order of the locale's case-insensitive comparison; equal lines keep
// their order.
std::vector<std::string> SortedIgnoringCase(std::vector<std::string> lines) {
  std::vector<std::pair<std::string, std::string>> keyed;
  keyed.reserve(lines.size());
  for (std::string& line : lines) {
    keyed.emplace_back(CollationKey(Cp936ToUtf16(line)), std::move(line));
  }
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> sorted;
  sorted.reserve(keyed.size());
  for (auto& [key, line] : keyed) sorted.push_back(std::move(line));
  return sorted;
}

}  // namespace

std::string LexiconCommands::ShowText(LexiconTable table) const {
  switch (table) {
    case LexiconTable::kFilterWords:
      return JoinLines(SortedIgnoringCase(lexicon_.FilterWords->Keys()));
    case LexiconTable::kIrregularPairs:
      return JoinLines(lexicon_.IrregularPairs);
    case LexiconTable::kEEndWords:
      return JoinLines(lexicon_.EEndWords->Keys());
    case LexiconTable::kRecallWords:
      return JoinLines(lexicon_.RecallWords->Keys());
    case LexiconTable::kDoubleConsonantWords:
      return JoinLines(lexicon_.DoubleConsonantWords->Keys());
    case LexiconTable::kStopWords:
      return JoinLines(SortedIgnoringCase(lexicon_.StopWords->Keys()));
  }
  return std::string();
}

bool LexiconCommands::EmptiesSummary(LexiconTable table) {
  return table == LexiconTable::kFilterWords || table == LexiconTable::kStopWords;
}

bool LexiconCommands::ReloadFilterWords(UserPort& port) {
  const std::string stoplist = lexicon_.folder.empty() ? "" : lexicon_.folder + "/stoplist/";
  const auto choice = port.AskOpenFile({"Txt文件(*.Txt)|*.txt", stoplist});
  if (!choice) return false;
  // A list that cannot be read must not cost the user the one already loaded.
  auto fresh = std::make_unique<THashTable>(256);
  LoadFilterList(*fresh, choice->file_name);
  lexicon_.FilterWords = std::move(fresh);
  return true;
}

}  // namespace tarn
