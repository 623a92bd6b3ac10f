#include "profile/ProfileVerdict.h"

namespace tarn::profile {

namespace {

// What knowing every level covers: all but the 超纲词 row's share.
std::string AllLevelsCover(const VocabularyProfile& profile) {
  int beyond = 0;
  for (const ProfileRow& row : profile.rows) {
    if (row.kind == ProfileRow::Kind::kBeyond) beyond = row.share_tenths;
  }
  return PercentText(1000 - beyond);
}

// Whether `label` names a level rather than the 超纲词 row, which stands for "no level".
bool IsLevel(const VocabularyProfile& profile, const std::string& label) {
  for (const ProfileRow& row : profile.rows) {
    if (row.kind == ProfileRow::Kind::kLevel && row.label == label) return true;
  }
  return false;
}

}  // namespace

std::string VerdictSentence(const VocabularyProfile& profile) {
  if (profile.total_words <= 0) return "本文没有可以统计的单词。";
  const bool reaches95 = IsLevel(profile, profile.coverage95);
  const bool reaches98 = IsLevel(profile, profile.coverage98);
  if (!reaches95) {
    return "掌握全部等级的词汇也只能覆盖本文 " + AllLevelsCover(profile) +
           " 的词次，达不到借助词典读懂所需的 95%：这篇文章超纲词很多。";
  }
  const std::string helped =
      "掌握到" + profile.coverage95 + "词汇可覆盖本文 95% 的词次（借助词典可以读懂）";
  if (!reaches98) {
    return helped + "；掌握全部等级的词汇也只能覆盖 " + AllLevelsCover(profile) +
           "，达不到独立阅读所需的 98%。";
  }
  if (profile.coverage95 == profile.coverage98) {
    return "掌握到" + profile.coverage98 + "词汇即可覆盖本文 98% 的词次（可以独立阅读）。";
  }
  return helped + "，掌握到" + profile.coverage98 + "词汇可覆盖 98%（可以独立阅读）。";
}

}  // namespace tarn::profile
