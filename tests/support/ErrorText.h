#pragma once

#include <string>

#include "text/Error.h"

namespace tarn::testing {

// The message of the tarn::Error that `action()` throws, or "" when it throws none.
template <typename Action>
std::string ErrorText(Action&& action) {
  try {
    action();
  } catch (const Error& error) {
    return error.what();
  }
  return "";
}

}  // namespace tarn::testing
