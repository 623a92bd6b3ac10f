#pragma once

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "morphology/LexiconLoader.h"
#include "support/TempFolder.h"
#include "text/Error.h"
#include "wordlists/DatFile.h"
#include "wordlists/TextWordList.h"
#include "wordlists/UserPort.h"

namespace tarn::testing {

// The content of the six dict files, each a list of code page 936 lines.
struct DictFiles {
  std::vector<std::string> compare;
  std::vector<std::string> irregular;
  std::vector<std::string> e_end;
  std::vector<std::string> recall;
  std::vector<std::string> double_consonant;
  std::vector<std::string> stop;
};

// Writes `files` as a dict folder (text and .dat forms) in `folder` and returns its path.
inline std::string WriteDict(const TempFolder& folder, const DictFiles& files) {
  std::filesystem::create_directories(folder.path() / "dict" / "stoplist");
  const std::string dict = folder / "dict";
  WriteTextLines(dict + "/compare.txt", files.compare);
  WriteDatFile(dict + "/1.dat", files.irregular);
  WriteDatFile(dict + "/2.dat", files.e_end);
  WriteDatFile(dict + "/3.dat", files.recall);
  WriteDatFile(dict + "/4.dat", files.double_consonant);
  WriteTextLines(dict + "/notword.txt", files.stop);
  return dict;
}

// A small dict in which the base-form command can show each of its ways.
inline DictFiles SmallDict() {
  return {{"house", "garden"}, {"went", "go", "children", "child"},
          {"hope", "make"},    {"this", "has"},
          {"call", "add"},     {"the", "a"}};
}

// A dialog's answer choosing `name` with the first filter.
inline std::optional<DialogChoice> Chosen(const std::string& name) { return DialogChoice{name, 1}; }

// The message of the error that reading the missing file `path` gives.
inline std::string MissingFileMessage(const std::string& path) {
  return CannotOpenFile(path, ENOENT).what();
}

}  // namespace tarn::testing
