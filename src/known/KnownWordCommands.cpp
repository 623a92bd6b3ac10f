#include "known/KnownWordCommands.h"

#include <algorithm>
#include <memory>

#include "analysis/MainSession.h"
#include "known/KnownWordBook.h"
#include "profile/LevelLadder.h"
#include "profile/MergedBase.h"
#include "profile/ProfileCommands.h"
#include "text/AsciiCase.h"
#include "text/CodePage936.h"
#include "text/Lines.h"
#include "text/Trim.h"
#include "text/Utf8.h"
#include "wordlists/SaveWordList.h"
#include "wordlists/TextWordList.h"
#include "wordlists/UserPort.h"
#include "wordlists/WordTableLoading.h"
#include "wordtable/Hashtable.h"

namespace tarn {

ProfileCommands::KnownSource KnownSourceOf(const KnownWordBook& book) {
  return [&book] { return &book.BaseForms(); };
}

namespace {

// Whether the lower-case `word` can be a known word: an English word of a line's length, without
// blanks.
bool IsKnowable(std::string_view word) {
  return !WordListProblem(word) && word.find_first_of(' ') == std::string_view::npos &&
         std::any_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace

std::vector<std::string> KnownWordCommands::BaseFormsOf(const std::vector<std::string>& words,
                                                        bool base_forms) const {
  std::vector<std::string> bases;
  bases.reserve(words.size());
  const MergedBase base(session_.Words());
  for (const std::string& word : words) {
    const std::string lower = LowerAscii(TrimView<char>(word));
    if (!IsKnowable(lower)) continue;
    bases.push_back(base_forms ? lower : Utf16ToCp936(base.Of(Cp936ToUtf16(lower))));
  }
  return bases;
}

std::function<bool(const std::string& word)> KnownWordCommands::KnownTest(bool base_forms) const {
  auto base = std::make_shared<const MergedBase>(session_.Words());
  const KnownWordBook& book = book_;
  return [base, &book, base_forms](const std::string& word) {
    const std::string lower = LowerAscii(Utf8ToCp936(word));
    return book.Contains(base_forms ? lower : Utf16ToCp936(base->Of(Cp936ToUtf16(lower))));
  };
}

size_t KnownWordCommands::Mark(const std::vector<std::string>& words, bool base_forms) {
  const size_t added = book_.Add(BaseFormsOf(words, base_forms));
  profile_.RefreshBeyond();
  return added;
}

size_t KnownWordCommands::Unmark(const std::vector<std::string>& words, bool base_forms) {
  const size_t removed = book_.Remove(BaseFormsOf(words, base_forms));
  profile_.RefreshBeyond();
  return removed;
}

size_t KnownWordCommands::ImportList() {
  const std::optional<DialogChoice> choice =
      session_.Port().AskOpenFile(FileDialogRequest{kFilter, {}});
  if (!choice) return 0;
  THashTable table(256);
  LoadFilterList(table, choice->file_name);
  std::vector<std::string> words;
  table.ForEach([&words](const THashItem& item) { words.push_back(Utf16ToCp936(item.Key)); });
  return Mark(words, false);
}

size_t KnownWordCommands::ImportLevel(const LevelDefinition& level) {
  return Mark(ReadTextLines(session_.Words().folder + "/" + std::string(level.file)), false);
}

bool KnownWordCommands::ExportList() {
  std::optional<DialogChoice> choice = session_.Port().AskSaveFile(FileDialogRequest{kFilter, {}});
  if (!choice) return false;
  // Always the text form, whatever filter the dialog reports.
  choice->filter_index = 1;
  SaveWordList(session_.Port(), *choice, JoinLines(book_.Words()), SaveSource::kMainWindow);
  return true;
}

void KnownWordCommands::ShowList() {
  StatisticsState& state = session_.State();
  state.text_view = JoinLines(book_.Words());
  state.summary_label = "熟词本共有" + std::to_string(book_.Words().size()) + "个词";
}

}  // namespace tarn
