#include "profile/LevelLadder.h"

namespace tarn {

namespace {

constexpr LevelDefinition kExamLevels[] = {
    {Ladder::kExam, "中考", "levels/exam-1-zk.txt"},
    {Ladder::kExam, "高考", "levels/exam-2-gk.txt"},
    {Ladder::kExam, "四级", "levels/exam-3-cet4.txt"},
    {Ladder::kExam, "六级", "levels/exam-4-cet6.txt"},
    {Ladder::kExam, "考研", "levels/exam-5-ky.txt"},
    {Ladder::kExam, "雅思", "levels/exam-6-ielts.txt"},
    {Ladder::kExam, "托福", "levels/exam-7-toefl.txt"},
    {Ladder::kExam, "GRE", "levels/exam-8-gre.txt"},
};

constexpr LevelDefinition kFrequencyLevels[] = {
    {Ladder::kFrequency, "K1", "levels/freq-k01.txt"},
    {Ladder::kFrequency, "K2", "levels/freq-k02.txt"},
    {Ladder::kFrequency, "K3", "levels/freq-k03.txt"},
    {Ladder::kFrequency, "K4", "levels/freq-k04.txt"},
    {Ladder::kFrequency, "K5", "levels/freq-k05.txt"},
    {Ladder::kFrequency, "K6", "levels/freq-k06.txt"},
    {Ladder::kFrequency, "K7", "levels/freq-k07.txt"},
    {Ladder::kFrequency, "K8", "levels/freq-k08.txt"},
    {Ladder::kFrequency, "K9", "levels/freq-k09.txt"},
    {Ladder::kFrequency, "K10", "levels/freq-k10.txt"},
};

// Whether `a` and `b` are equal with A-Z and a-z taken alike, so "k3" and "gre" find their levels.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  for (size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::string_view LevelDefinition::Stem() const {
  std::string_view stem = file.substr(file.rfind('/') + 1);
  return stem.substr(0, stem.rfind('.'));
}

std::span<const LevelDefinition> LevelsOf(Ladder ladder) {
  if (ladder == Ladder::kExam) return kExamLevels;
  return kFrequencyLevels;
}

std::string_view LadderName(Ladder ladder) { return ladder == Ladder::kExam ? "exam" : "freq"; }

std::optional<Ladder> ParseLadder(std::string_view name) {
  for (const Ladder ladder : {Ladder::kExam, Ladder::kFrequency}) {
    if (LadderName(ladder) == name) return ladder;
  }
  return std::nullopt;
}

const LevelDefinition* FindLevel(std::string_view name) {
  for (const Ladder ladder : {Ladder::kExam, Ladder::kFrequency}) {
    for (const LevelDefinition& level : LevelsOf(ladder)) {
      if (EqualIgnoringAsciiCase(level.label, name) || level.Stem() == name) return &level;
    }
  }
  return nullptr;
}

}  // namespace tarn
