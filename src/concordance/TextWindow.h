#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// Text held in memory is handed on in slices of this size, so that what streams past it never
// needs more room than a file's blocks.
inline constexpr size_t kTextSlice = size_t{1} << 20;

// The still needed part of a code page 936 text that streams past, addressed by byte offsets
// from the start of the whole text. Its first byte always starts a character. Characters: a
// double-byte character (a lead byte and a valid trail byte), a CR LF pair, or any other byte.
class TextWindow {
 public:
  // Where some characters start, and how many there are.
  struct Span {
    uint64_t from;
    int chars;
  };

  // Adds the next bytes of the text.
  void Append(std::string_view piece) { bytes_.append(piece); }
  // The offset of the first byte held, and of the byte after the last.
  uint64_t Base() const { return base_; }
  uint64_t End() const { return base_ + bytes_.size(); }
  // The held bytes from `from` to `to` (both within the window).
  std::string_view View(uint64_t from, uint64_t to) const {
    return std::string_view(bytes_).substr(from - base_, to - from);
  }

  // The last `count` characters before `offset`, a character start within the window; fewer
  // when the window starts sooner.
  Span CharsBefore(uint64_t offset, int count) const;
  // Where `count` characters from `offset` (a character start) end, `end` at the latest.
  uint64_t CharsAfter(uint64_t offset, int count, uint64_t end) const;
  // Appends the `count` characters from `offset`, `end` at the latest, as AppendShown does.
  void AppendCharsAfter(uint64_t offset, int count, uint64_t end, std::string& out) const;
  // Appends the bytes from `from` to `to` to `out`, each line break (CR LF, CR or LF) and tab
  // as one space.
  void AppendShown(uint64_t from, uint64_t to, std::string& out) const;

  // Records that `offset` starts a character, so that searches for a character start need not
  // go back past it. Offsets are noted in increasing order.
  void NoteBoundary(uint64_t offset) { boundaries_.push_back(offset); }
  // Drops what lies more than `margin` bytes before `offset`, keeping the window's first byte a
  // character start.
  void TrimBefore(uint64_t offset, size_t margin);

 private:
  // Bytes taken by the character at `at` (relative), looking no further than `end`.
  size_t CharBytes(size_t at, size_t end) const;
  // A character start at or before `at` (relative), found near it when the text allows.
  size_t StartAtOrBefore(size_t at) const;
  // The latest known character start at or before `at` (relative): a noted one, else the
  // window's first byte.
  size_t FloorOf(size_t at) const;

  std::string bytes_;
  uint64_t base_ = 0;
  std::deque<uint64_t> boundaries_;
  mutable std::vector<size_t> ring_;
};

}  // namespace tarn
