#include "cli/OutputFormats.h"

#include <cstdio>
#include <optional>
#include <ostream>
#include <vector>

#include "analysis/StatisticsState.h"
#include "cli/CliPort.h"
#include "text/Utf8.h"

namespace tarn::cli {

namespace {

// A line of a word listing: the word, the blanks that pad it to its width, a TAB and the count.
struct ListingLine {
  std::string_view word;
  std::string_view count;
};

// A decimal integer, perhaps negative.
bool IsInteger(std::string_view text) {
  const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
  return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<ListingLine> AsListingLine(std::string_view line) {
  const size_t tab = line.find('\t');
  if (tab == std::string_view::npos || tab == 0) return std::nullopt;
  const std::string_view word = line.substr(0, line.find_last_not_of(' ', tab - 1) + 1);
  const std::string_view count = line.substr(tab + 1);
  if (word.empty() || word.find(' ') != std::string_view::npos || !IsInteger(count)) {
    return std::nullopt;
  }
  return ListingLine{word, count};
}

// The lines of a UTF-8 text of the session, whatever its line ends.
std::vector<std::string> Lines(const std::string& utf8) {
  std::vector<std::string> lines;
  const std::string text = WithLfLineEnds(utf8);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// Listing lines lose the padding after the word; every other line stays as the view shows it.
void PrintTsv(const StatisticsState& state, std::ostream& out) {
  for (const std::string& line : Lines(Cp936ToUtf8(state.text_view))) {
    if (const auto listing = AsListingLine(line)) {
      out << listing->word << '\t' << listing->count << '\n';
    } else {
      out << line << '\n';
    }
  }
}

std::string JsonString(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

// A summary line "LABEL：NUMBER" as its label and figure; a line without a figure is all label.
void PrintSummaryLine(std::string_view line, std::ostream& out) {
  static constexpr std::string_view kColon = "：";
  const size_t colon = line.rfind(kColon);
  if (colon != std::string_view::npos) {
    const std::string_view figure = line.substr(colon + kColon.size());
    if (IsInteger(figure)) {
      out << "{\"label\": " << JsonString(line.substr(0, colon)) << ", \"value\": " << figure
          << '}';
      return;
    }
  }
  out << "{\"label\": " << JsonString(line) << ", \"value\": null}";
}

// {"summary": [{"label", "value"}...], "entries": [{"word", "count"}...], "lines": [...]}: the
// listing's lines are the entries, any other line of the text view goes to "lines".
void PrintJson(const StatisticsState& state, std::ostream& out) {
  out << "{\n  \"summary\": [";
  const char* separator = "\n    ";
  for (const std::string& line : Lines(state.summary_label)) {
    out << separator;
    PrintSummaryLine(line, out);
    separator = ",\n    ";
  }
  out << "\n  ],\n  \"entries\": [";
  std::vector<std::string> others;
  separator = "\n    ";
  for (const std::string& line : Lines(Cp936ToUtf8(state.text_view))) {
    if (const auto listing = AsListingLine(line)) {
      out << separator << "{\"word\": " << JsonString(listing->word)
          << ", \"count\": " << listing->count << '}';
      separator = ",\n    ";
    } else if (!line.empty()) {
      others.push_back(line);
    }
  }
  out << "\n  ],\n  \"lines\": [";
  separator = "\n    ";
  for (const std::string& line : others) {
    out << separator << JsonString(line);
    separator = ",\n    ";
  }
  out << "\n  ]\n}\n";
}

constexpr OutputFormat kFormats[] = {
    {"tsv", PrintTsv},
    {"json", PrintJson},
};

}  // namespace

const OutputFormat* FindOutputFormat(std::string_view name) {
  for (const OutputFormat& format : kFormats) {
    if (format.name == name) return &format;
  }
  return nullptr;
}

std::string OutputFormatNames() {
  std::string names;
  for (const OutputFormat& format : kFormats) {
    if (!names.empty()) names += '|';
    names += format.name;
  }
  return names;
}

}  // namespace tarn::cli
