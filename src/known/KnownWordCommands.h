#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "profile/ProfileCommands.h"

namespace tarn {

class KnownWordBook;
class MainSession;

// What ProfileCommands asks for the known words: the base forms of `book`, which must outlive
// the commands.
ProfileCommands::KnownSource KnownSourceOf(const KnownWordBook& book);

// The commands on "我的熟词本": marking the words of a listing, importing a word list or an exam
// level, exporting the list and showing it. Words are kept as the merged view's base forms.
class KnownWordCommands {
 public:
  // How the open and save dialogs show text word lists.
  static constexpr char kFilter[] = "文本文件(*.txt)|*.txt";

  // All three must outlive the commands.
  KnownWordCommands(MainSession& session, ProfileCommands& profile, KnownWordBook& book)
      : session_(session), profile_(profile), book_(book) {}

  // The base forms (code page 936) of `words`, any case: the words themselves when they are
  // base forms already (`base_forms`, the words of a merged view's listing), else what the
  // merged view folds each into.
  std::vector<std::string> BaseFormsOf(const std::vector<std::string>& words,
                                       bool base_forms) const;

  // Whether a listed word (UTF-8; a base form already when `base_forms`) has a known base form.
  // The test must not outlive the commands; the known words are read as it is made.
  std::function<bool(const std::string& word)> KnownTest(bool base_forms) const;

  // "加入熟词本": adds the base forms of `words` (see BaseFormsOf) and, when the text view shows
  // the words beyond a level, shows them again without the new known words. Returns how many
  // were new. Throws tarn::Error when the list cannot be used or saved, changing nothing.
  size_t Mark(const std::vector<std::string>& words, bool base_forms);
  // "移出熟词本": removes them the same way; returns how many were known.
  size_t Unmark(const std::vector<std::string>& words, bool base_forms);

  // "导入词表到熟词本": asks for a word list (read as 载入新的过略词表 reads one) and marks its
  // words. Returns how many were new; 0 when cancelled. Throws the reader's error, changing
  // nothing.
  size_t ImportList();
  // "我已掌握…词汇": marks every word of `level`'s list in the session's dict folder.
  size_t ImportLevel(const LevelDefinition& level);
  // "导出熟词本": asks for a name and writes the list there as a text word list (name + ".txt").
  // False when cancelled.
  bool ExportList();
  // "known-list": the list into the text view, one word a line; the summary label says how
  // many words it holds.
  void ShowList();

 private:
  MainSession& session_;
  ProfileCommands& profile_;
  KnownWordBook& book_;
};

}  // namespace tarn
