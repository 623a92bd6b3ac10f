#pragma once

#include <string>

namespace tarn {

// The file name of "我的熟词本".
inline constexpr char kKnownWordsFileName[] = "我的熟词本.txt";

// The user's known-words file: "tarn/我的熟词本.txt" in $XDG_DATA_HOME when that is an absolute
// path, else in ~/.local/share.
std::string DefaultKnownWordsPath();

}  // namespace tarn
