#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace tarn::testing {

// Points XDG_DATA_HOME at a fresh folder of the test program's own for as long as it runs, so
// that nothing a test does reaches the user's data folder (where 我的熟词本 lives). Child
// processes, death tests among them, inherit it.
class PrivateDataHome {
 public:
  PrivateDataHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarn-data-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
    ::setenv("XDG_DATA_HOME", path_.c_str(), 1);
  }
  ~PrivateDataHome() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  PrivateDataHome(const PrivateDataHome&) = delete;
  PrivateDataHome& operator=(const PrivateDataHome&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The one of the test program, made before any test runs.
inline const PrivateDataHome kPrivateDataHome;

}  // namespace tarn::testing
