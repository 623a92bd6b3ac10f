#include "app/ProgramFiles.h"

#include "morphology/LexiconLoader.h"

namespace tarn::app {

ProgramFiles ProgramFiles::OfRunningProgram() {
  return {DefaultDictFolder(), ProgramDataFile("help.txt")};
}

std::string FileVersionOr(std::string_view version) {
  return version.empty() ? std::string("Value Not Available") : std::string(version);
}

std::string FileVersion() {
#ifdef TARN_FILE_VERSION
  return FileVersionOr(TARN_FILE_VERSION);
#else
  return FileVersionOr({});
#endif
}

}  // namespace tarn::app
