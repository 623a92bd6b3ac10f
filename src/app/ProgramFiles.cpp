#include "app/ProgramFiles.h"

#include <filesystem>
#include <system_error>

#include "morphology/LexiconLoader.h"

namespace tarn::app {

namespace fs = std::filesystem;

ProgramFiles ProgramFiles::OfRunningProgram() {
  std::error_code failed;
  const fs::path folder = fs::read_symlink("/proc/self/exe", failed).parent_path();
  fs::path help = folder / "help.txt";
  const fs::path installed_help = TARN_INSTALL_PREFIX "/share/tarn/help.txt";
  // With neither file present the error names the one beside the executable.
  if (!fs::exists(help, failed) && fs::exists(installed_help, failed)) help = installed_help;
  return {DefaultDictFolder(), help.string()};
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
