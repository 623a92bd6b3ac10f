#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "support/TempFolder.h"

namespace tarn::cli {

// The lines of `text`, split at LF.
inline std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// What tarn-cli's output holds after the summary: the text view.
inline std::string TextView(const std::string& out) { return out.substr(out.find("\n\n") + 2); }

// Steps run on a dict folder and a document of the test's own, which SetUp writes into
// `folder_` and names in `dict_` and `text_`.
class DictStepsTest : public ::testing::Test {
 protected:
  // tarn-cli with `--dict dict_` before `steps`.
  CliRun Steps(std::vector<std::string> steps) {
    steps.insert(steps.begin(), {"--dict", dict_});
    return RunWith(steps);
  }

  testing::TempFolder folder_;
  std::string dict_;
  std::string text_;
};

}  // namespace tarn::cli
