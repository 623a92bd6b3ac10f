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

// The folder of the running executable; empty when the system does not say.
std::string ExecutableFolder();

// PREFIX/share/tarn for the running executable PREFIX/bin/NAME: where an installed program's
// dict folder, help text and samples are.
std::string InstalledDataFolder();

// `name` beside the running executable when it is there or when InstalledDataFolder() lacks it
// too (so that an error names where the build puts it), else the installed one.
std::string ProgramDataFile(const std::string& name);

// The dict folder the programs use: the one beside the running executable, else the one in
// InstalledDataFolder().
std::string DefaultDictFolder();

}  // namespace tarn
