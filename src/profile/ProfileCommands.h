#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "profile/LevelLists.h"
#include "profile/VocabularyProfile.h"

namespace tarn {

class MainSession;

// The vocabulary profile's commands on a main-window session: the ladders, the profile, the
// names and the words beyond a level. The level lists are read from the session's dict folder
// when first needed and kept while that folder stays the same.
class ProfileCommands {
 public:
  // The base forms the learner knows, asked for when a command needs them; nullptr for none.
  using KnownSource = std::function<const WordMap<char>*()>;

  // `session` must outlive the commands.
  explicit ProfileCommands(MainSession& session, KnownSource known = {})
      : session_(session), known_(std::move(known)) {}

  // The lists of `ladder`. Each list that cannot be read is reported once through the port
  // ("无法读取等级词表 ..."), and its level is left out.
  const LevelLists& Lists(Ladder ladder);

  // "levels": one line per level of both ladders into the text view,
  // LADDER TAB LABEL TAB FILE, the file as it is read.
  void ShowLevels();
  // The profile of the counted document over `ladder`; nothing, after telling the user to
  // open a document, before any counting run.
  std::optional<VocabularyProfile> Profile(Ladder ladder);
  // "profile": the profile's table (ProfileTable) into the text view.
  void ShowProfile(Ladder ladder);
  // "names": the document's names as a view, most frequent first.
  void ShowNames();
  // "超出等级的生词": the merged new words beyond `level` as a view, most frequent first.
  void ShowBeyond(const LevelDefinition& level);
  // Shows the words beyond the same level again when the text view still shows them (the
  // summary is the one they wrote), after the known words changed.
  void RefreshBeyond();
  // The words of `row` of a profile over `ladder`, as a view (a double-click on the row).
  void ShowRow(Ladder ladder, const ProfileRow& row);

  // The level named `name` (a label or a list's file name stem). Throws an Error that names
  // every level there is when there is none.
  static const LevelDefinition& LevelNamed(std::string_view name);

 private:
  // Runs `use` with the placement of the counted document's words on `ladder`; false, after
  // telling the user to open a document, before any counting run.
  bool WithPlacement(Ladder ladder, const std::function<void(const WordPlacement&)>& use);

  MainSession& session_;
  KnownSource known_;
  // The level of the last words beyond a level, and the summary they wrote.
  const LevelDefinition* beyond_level_ = nullptr;
  std::string beyond_summary_;
  std::array<std::unique_ptr<LevelLists>, 2> lists_;
  std::array<std::string, 2> folders_;
};

}  // namespace tarn
