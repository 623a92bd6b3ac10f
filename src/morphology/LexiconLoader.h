#pragma once

#include <string>

#include "morphology/Lexicon.h"

namespace tarn {

// The files of the dict folder, in the order they are loaded.
inline constexpr const char* kLexiconFiles[] = {"compare.txt", "1.dat", "2.dat",
                                                "3.dat",       "4.dat", "notword.txt"};

// Replaces `lexicon` with the six tables of `dict_folder`, loaded in the order of
// kLexiconFiles. The first file that cannot be read ends the loading with its error (the
// reader's message naming the file); that table and every later one stay empty, while the
// earlier ones keep what they loaded.
void LoadLexicon(const std::string& dict_folder, Lexicon& lexicon);

// `folder`/dict when that is a folder, else `installed_folder`.
std::string ChooseDictFolder(const std::string& folder, const std::string& installed_folder);

// The dict folder the programs use: the one beside the running executable, else the one under
// the installation prefix's share/tarn.
std::string DefaultDictFolder();

}  // namespace tarn
