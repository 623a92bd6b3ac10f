#include "morphology/LexiconLoader.h"

#include <filesystem>
#include <system_error>

#include "wordlists/DatFile.h"
#include "wordlists/WordTableLoading.h"

#ifndef TARN_INSTALL_PREFIX
#define TARN_INSTALL_PREFIX "/usr/local"
#endif

namespace tarn {

void LoadLexicon(const std::string& dict_folder, Lexicon& lexicon) {
  lexicon = Lexicon();
  lexicon.folder = dict_folder;
  const auto file = [&dict_folder](const char* name) { return dict_folder + "/" + name; };
  LoadFilterList(*lexicon.FilterWords, file(kLexiconFiles[0]));
  lexicon.IrregularPairs = LoadDatList(file(kLexiconFiles[1]));
  LoadFromDat(*lexicon.EEndWords, file(kLexiconFiles[2]));
  LoadFromDat(*lexicon.RecallWords, file(kLexiconFiles[3]));
  LoadFromDat(*lexicon.DoubleConsonantWords, file(kLexiconFiles[4]));
  LoadFromText(*lexicon.StopWords, file(kLexiconFiles[5]));
}

std::string ChooseDictFolder(const std::string& folder, const std::string& installed_folder) {
  const std::filesystem::path beside = std::filesystem::path(folder) / "dict";
  std::error_code ignored;
  if (!folder.empty() && std::filesystem::is_directory(beside, ignored)) return beside.string();
  return installed_folder;
}

std::string DefaultDictFolder() {
  std::error_code failed;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", failed);
  return ChooseDictFolder(failed ? std::string() : executable.parent_path().string(),
                          TARN_INSTALL_PREFIX "/share/tarn/dict");
}

}  // namespace tarn
