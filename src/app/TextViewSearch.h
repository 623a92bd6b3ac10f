#pragma once

#include <QString>

class QPlainTextEdit;

namespace tarn::app {

// The text view's own commands: the search with its lasting marks, and the zoom.
class TextViewSearch {
 public:
  // Size of the search mark, in points.
  static constexpr int kMarkPointSize = 17;

  // Finds `text`, trimmed, as a whole word ignoring case, from the first character of `view`.
  // The first match is coloured blue at 17 pt (the mark stays), the caret goes to the start of
  // the match's displayed line and the view scrolls there. False, with nothing changed, when the
  // trimmed text is empty or does not occur.
  static bool SearchAndMark(QPlainTextEdit& view, const QString& text);

  // Adds `step` points to the view's base font, stopping at 1 point; the marks keep their size.
  static void ZoomBy(QPlainTextEdit& view, int step);
};

}  // namespace tarn::app
