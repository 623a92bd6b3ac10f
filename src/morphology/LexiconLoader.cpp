#include "morphology/LexiconLoader.h"

#include <filesystem>
#include <system_error>

#include "wordlists/DatFile.h"
#include "wordlists/WordTableLoading.h"

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

std::string ExecutableFolder() {
  std::error_code failed;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", failed);
  return failed ? std::string() : executable.parent_path().string();
}

std::string InstalledDataFolder() {
  // An installation keeps its programs in PREFIX/bin and their data in PREFIX/share/tarn, so a
  // package (/usr) and a local install (/usr/local) both find theirs.
  return (std::filesystem::path(ExecutableFolder()).parent_path() / "share" / "tarn").string();
}

std::string ProgramDataFile(const std::string& name) {
  const std::filesystem::path beside = std::filesystem::path(ExecutableFolder()) / name;
  const std::filesystem::path installed = std::filesystem::path(InstalledDataFolder()) / name;
  std::error_code failed;
  if (std::filesystem::exists(beside, failed) || !std::filesystem::exists(installed, failed)) {
    return beside.string();
  }
  return installed.string();
}

std::string DefaultDictFolder() {
  return ChooseDictFolder(ExecutableFolder(), InstalledDataFolder() + "/dict");
}

}  // namespace tarn
