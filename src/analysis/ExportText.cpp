#include "analysis/ExportText.h"

#include "text/Lines.h"
#include "text/Trim.h"

namespace tarn {

std::string WithCrLfBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      out.push_back(c);
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    out += "\r\n";
  }
  return out;
}

std::string OneColumnList(std::string_view text) {
  std::string out;
  for (const std::string& line : SplitLines(text)) {
    const std::string_view trimmed = TrimView(std::string_view(line));
    if (trimmed.size() < 2) continue;
    // A key of 20 or more characters has no space before its tab, and a plain word list has
    // neither: both keep their word.
    out += trimmed.substr(0, trimmed.find_first_of(" \t"));
    out += "\r\n";
  }
  return out;
}

}  // namespace tarn
