#pragma once

#include <string>

#include "morphology/Lexicon.h"

namespace tarn {

class UserPort;

// The tables the text view's popup menu can show.
enum class LexiconTable {
  kFilterWords,           // "查看过略词表"
  kIrregularPairs,        // "查看不规则词表"
  kEEndWords,             // "查看Eend表"
  kRecallWords,           // "查看recall表"
  kDoubleConsonantWords,  // "查看辅音尾字double表"
  kStopWords,             // "查看停用词表"
};

// The popup menu's commands on the lexicon: showing a table and replacing the filter list.
class LexiconCommands {
 public:
  explicit LexiconCommands(Lexicon& lexicon) : lexicon_(lexicon) {}

  // The text view's text that shows `table` (code page 936, CR LF after every line): the filter
  // and stop words sorted ignoring case, the others in file or table order. Duplicates stay.
  std::string ShowText(LexiconTable table) const;

  // Whether showing `table` empties the summary label (the two visible viewers do).
  static bool EmptiesSummary(LexiconTable table);

  // Asks for a text word list ("Txt文件(*.Txt)|*.txt", starting in the dict folder's stoplist)
  // and replaces FilterWords with it, read as LoadFilterList reads it. False when cancelled.
  // Throws the reader's error when the file cannot be read, keeping the old list.
  bool ReloadFilterWords(UserPort& port);

 private:
  Lexicon& lexicon_;
};

}  // namespace tarn
