#pragma once

#include <string>
#include <string_view>

namespace tarn::app {

// The files the desktop program reads at start and on "帮助".
struct ProgramFiles {
  // The folder of the six word tables.
  std::string dict_folder;
  // The help text, code page 936.
  std::string help_file;

  // The running program's files: beside its executable when they are there, else under the
  // installation prefix's share/tarn.
  static ProgramFiles OfRunningProgram();
};

// `version`, or "Value Not Available" when it is empty.
std::string FileVersionOr(std::string_view version);

// The file version the build stamped into the program ("Value Not Available" without one).
std::string FileVersion();

}  // namespace tarn::app
