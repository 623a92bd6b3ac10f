#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace tarn {
struct StatisticsState;
}

namespace tarn::cli {

// A form of what the steps print at the end for a script to read, chosen with --format; without
// it tarn-cli prints the summary, an empty line and the text view as they are.
struct OutputFormat {
  std::string_view name;
  // Writes the session's summary and text view to `out` in this form, UTF-8 with LF line ends.
  void (*print)(const StatisticsState& state, std::ostream& out);
};

// The format called `name`, or null.
const OutputFormat* FindOutputFormat(std::string_view name);

// The formats' names joined by "|", for the help and the option's error.
std::string OutputFormatNames();

}  // namespace tarn::cli
