#pragma once

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarn::testing {

// The path of `name` under tests/data, which CTest names in TARN_TEST_DATA.
inline std::string TestDataPath(std::string_view name) {
  const char* folder = std::getenv("TARN_TEST_DATA");
  if (folder == nullptr) throw std::runtime_error("TARN_TEST_DATA is not set");
  return std::string(folder) + "/" + std::string(name);
}

}  // namespace tarn::testing
