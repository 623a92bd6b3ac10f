#include "wordlists/WordConversion.h"

#include "text/Lines.h"
#include "text/Utf8.h"
#include "wordlists/ChildProcess.h"

namespace tarn {

namespace {

// More text than any Word document holds; a program writing more is not converting one.
constexpr size_t kMaxWordText = size_t{512} << 20;

}  // namespace

std::optional<std::vector<std::string>> ConvertWordDocument(
    const std::string& path, const WordConversionSettings& settings) {
  // A name that starts with "-" would read as a switch.
  const std::string document = path.starts_with("-") ? "./" + path : path;
  // UTF-8 so that every character arrives; no wrapping, so a paragraph is one line.
  const std::optional<std::string> text =
      RunProgramOutput({settings.program, "-m", "UTF-8.txt", "-w", "0", document},
                       settings.time_limit, kMaxWordText);
  if (!text) return std::nullopt;
  return SplitLines(std::string_view(Utf8ToCp936(*text)));
}

}  // namespace tarn
