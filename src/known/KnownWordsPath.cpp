#include "known/KnownWordsPath.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace tarn {

namespace {

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) {
    return user->pw_dir;
  }
  return ".";
}

}  // namespace

std::string DefaultKnownWordsPath() {
  // A relative XDG_DATA_HOME is to be ignored, as the desktop's conventions say.
  const char* data_home = std::getenv("XDG_DATA_HOME");
  const std::string folder = data_home != nullptr && data_home[0] == '/'
                                 ? std::string(data_home)
                                 : HomeFolder() + "/.local/share";
  return folder + "/tarn/" + kKnownWordsFileName;
}

}  // namespace tarn
