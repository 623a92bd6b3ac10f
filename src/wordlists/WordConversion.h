#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tarn {

// How legacy Word documents are converted: by the antiword program, run as a child process.
struct WordConversionSettings {
  std::string program = "antiword";  // found on PATH unless it names a folder
  std::chrono::milliseconds time_limit{30000};
};

// The text of the legacy Word (.doc) document at `path` as code page 936 lines, one per
// paragraph. Nothing when the conversion fails: the program is missing, rejects the document
// (damaged, locked, not a Word document), or does not finish within the time limit.
std::optional<std::vector<std::string>> ConvertWordDocument(
    const std::string& path, const WordConversionSettings& settings = {});

}  // namespace tarn
