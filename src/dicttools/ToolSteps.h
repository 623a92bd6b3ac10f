#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dicttools/DictTool.h"

namespace tarn::dicttools {

// The text area as 8-bit lines: converted to code page 936 (missing characters become "?")
// and split at CR LF, CR or LF; an empty text gives no lines.
std::vector<std::string> ReadLines(std::u16string_view text);

// The lines joined with CR LF after each one and widened back to UTF-16.
std::u16string WriteLines(const std::vector<std::string>& lines);

// The key of the filters: box 1 without blanks at either end.
std::u16string KeyOf(const DictToolInput& input);

// A line widened to UTF-16 and trimmed, the form most tests look at.
std::u16string TrimmedWide(std::string_view line);

// The 1-based position of the first `key` in `word`, comparing code units exactly; 0 when
// `key` is empty or absent.
size_t PositionOf(std::u16string_view key, std::u16string_view word);

// True when the trimmed box holds the digits 0 to 9 only (an empty box passes).
bool PassesDigitCheck(std::u16string_view box);

// The box read as a 32-bit integer; throws tarn::Error "'%s' is not a valid integer value".
int32_t ReadNumber(std::u16string_view box);

// A box's number read at most once, and only when an operation first needs it.
class LazyNumber {
 public:
  explicit LazyNumber(std::u16string_view box) : box_(box) {}
  // The number; throws as ReadNumber does, the first time it is asked for.
  int32_t Get();

 private:
  std::u16string_view box_;
  bool read_ = false;
  int32_t value_ = 0;
};

// A result that replaces the text with `lines` and shows their count.
DictToolResult LinesWithCount(const std::vector<std::string>& lines);

// A result that replaces the text with `lines` and shows nothing.
DictToolResult LinesOnly(const std::vector<std::string>& lines);

// A result that changes nothing and shows `message`.
DictToolResult MessageOnly(std::string message);

}  // namespace tarn::dicttools
