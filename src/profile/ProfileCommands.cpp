#include "profile/ProfileCommands.h"

#include "analysis/DocumentGuard.h"
#include "analysis/MainSession.h"
#include "profile/Names.h"
#include "profile/MergedBase.h"
#include "profile/ProfileViews.h"
#include "text/Error.h"
#include "text/Lines.h"
#include "text/Utf8.h"

namespace tarn {

namespace {

size_t Slot(Ladder ladder) { return ladder == Ladder::kExam ? 0 : 1; }

// CR LF after every line, as the text view holds text.
std::string ViewText(std::string_view lf_text) {
  std::string text;
  for (const char c : lf_text) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return Utf8ToCp936(text);
}

}  // namespace

const LevelLists& ProfileCommands::Lists(Ladder ladder) {
  const size_t slot = Slot(ladder);
  const std::string& folder = session_.Words().folder;
  if (!lists_[slot] || folders_[slot] != folder) {
    lists_[slot] = std::make_unique<LevelLists>(folder, ladder);
    folders_[slot] = folder;
    for (const LevelLists::Level& level : lists_[slot]->Levels()) {
      if (level.read) continue;
      session_.Port().ShowMessage("无法读取等级词表“" + level.path + "”，" +
                                  std::string(level.definition->label) + "不计入分析：" +
                                  level.error);
    }
  }
  return *lists_[slot];
}

void ProfileCommands::ShowLevels() {
  std::string text;
  for (const Ladder ladder : {Ladder::kExam, Ladder::kFrequency}) {
    for (const LevelLists::Level& level : Lists(ladder).Levels()) {
      text += std::string(LadderName(ladder)) + '\t' + std::string(level.definition->label) +
              '\t' + level.path + '\n';
    }
  }
  session_.State().text_view = ViewText(text);
}

bool ProfileCommands::WithPlacement(Ladder ladder,
                                    const std::function<void(const WordPlacement&)>& use) {
  if (!RequireDocument(session_.State(), session_.Port())) return false;
  const MergedBase base(session_.Words());
  const NameTest is_name = NamesOfDocument(session_.State());
  use(WordPlacement(Lists(ladder), base, is_name, known_ ? known_() : nullptr));
  return true;
}

std::optional<VocabularyProfile> ProfileCommands::Profile(Ladder ladder) {
  std::optional<VocabularyProfile> profile;
  WithPlacement(ladder, [&](const WordPlacement& placement) {
    profile = ComputeProfile(session_.State(), placement);
  });
  return profile;
}

void ProfileCommands::ShowProfile(Ladder ladder) {
  const std::optional<VocabularyProfile> profile = Profile(ladder);
  if (profile) session_.State().text_view = ViewText(ProfileTable(*profile));
}

void ProfileCommands::ShowNames() {
  WithPlacement(Ladder::kExam, [this](const WordPlacement& placement) {
    ShowNamesView(session_.State(), session_.Port(), placement);
  });
}

void ProfileCommands::ShowBeyond(const LevelDefinition& level) {
  WithPlacement(level.ladder, [&](const WordPlacement& placement) {
    const auto levels = LevelsOf(level.ladder);
    const int index = static_cast<int>(&level - levels.data());
    ShowBeyondView(session_.State(), session_.Words(), session_.Port(), placement, IsNonWord,
                   index);
    beyond_level_ = &level;
    beyond_summary_ = session_.State().summary_label;
  });
}

void ProfileCommands::RefreshBeyond() {
  if (beyond_level_ != nullptr && session_.State().DocumentLoaded &&
      session_.State().summary_label == beyond_summary_) {
    ShowBeyond(*beyond_level_);
  }
}

void ProfileCommands::ShowRow(Ladder ladder, const ProfileRow& row) {
  WithPlacement(ladder, [&](const WordPlacement& placement) {
    ShowRowView(session_.State(), session_.Port(), placement, row);
  });
}

const LevelDefinition& ProfileCommands::LevelNamed(std::string_view name) {
  if (const LevelDefinition* level = FindLevel(name)) return *level;
  std::string known;
  for (const Ladder ladder : {Ladder::kExam, Ladder::kFrequency}) {
    for (const LevelDefinition& level : LevelsOf(ladder)) {
      known += (known.empty() ? "" : "、") + std::string(level.label);
    }
  }
  throw Error("没有名为“" + std::string(name) + "”的等级；可用的等级：" + known);
}

}  // namespace tarn
