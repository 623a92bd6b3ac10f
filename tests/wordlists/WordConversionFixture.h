#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

#include "support/TempFolder.h"

namespace tarn::testing {

// Writes an executable shell script `name` with `body` into `folder`; returns its path. Tests
// put such scripts in the converter's place.
inline std::string WriteScript(const TempFolder& folder, std::string_view name,
                               std::string_view body) {
  const std::string path = folder.Write(name, "#!/bin/sh\n" + std::string(body) + "\n");
  ::chmod(path.c_str(), 0755);
  return path;
}

}  // namespace tarn::testing
