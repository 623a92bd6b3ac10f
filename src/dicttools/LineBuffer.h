#pragma once

#include <QString>
#include <QStringView>
#include <compare>
#include <vector>

namespace tarn::dicttools {

// A place between two characters: a line and a UTF-16 offset within it.
struct TextPosition {
  int line = 0;
  int column = 0;
  friend auto operator<=>(const TextPosition&, const TextPosition&) = default;
};

// Text kept as its lines, breaks left out, so that a list of half a million lines is set, read
// and edited without a document object per line. Always holds at least one line.
class LineBuffer {
 public:
  // Replaces the whole text. CR LF, CR and LF each end a line; a break at the very end leaves
  // an empty last line, and an empty text is one empty line.
  void SetText(QStringView text);

  // The text between two positions (from <= to) with `line_break` between its lines.
  QString Text(TextPosition from, TextPosition to, QStringView line_break) const;

  int LineCount() const { return static_cast<int>(lines_.size()); }
  // The line at `index`, which must be below LineCount(); valid until the next change.
  QStringView Line(int index) const { return lines_[index]; }
  // The position after the last character.
  TextPosition End() const;

  // Inserts `text` at `at`, its line breaks read as SetText reads them; returns the position
  // after the inserted text.
  TextPosition Insert(TextPosition at, QStringView text);

  // Removes the text between two positions (from <= to), joining their lines.
  void Remove(TextPosition from, TextPosition to);

  // The length in UTF-16 units of the longest line.
  int LongestLineLength() const;

 private:
  // The text last set. Lines not edited since refer into it without owning a copy (Qt copies
  // such a string before changing it), so no string that refers into it may leave this class.
  QString base_;
  std::vector<QString> lines_{QString()};
  // Removing text may shorten the longest line; it is then found again when next asked for.
  mutable int longest_ = 0;
  mutable bool longest_known_ = true;
};

}  // namespace tarn::dicttools
