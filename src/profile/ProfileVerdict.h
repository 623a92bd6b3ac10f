#pragma once

#include <string>

#include "profile/VocabularyProfile.h"

namespace tarn::profile {

// The profile's 95 %/98 % verdict as one Chinese sentence (UTF-8) for the profile window:
// the level a reader must know to cope with a dictionary and to read unassisted, or, when no
// level gets there, how much of the text every level together covers.
std::string VerdictSentence(const VocabularyProfile& profile);

}  // namespace tarn::profile
