#pragma once

#include <QString>

class QPlainTextEdit;

namespace tarn::app {

// The text view's own commands: the search with its lasting marks, the zoom, and replacing the
// whole text.
class TextViewSearch {
 public:
  // Size of the search mark, in points.
  static constexpr int kMarkPointSize = 17;
  // The smallest base font the zoom goes down to, in points: smaller Chinese is unreadable.
  static constexpr int kMinPointSize = 7;

  // Finds `text`, trimmed, as a whole word ignoring case, from the first character of `view`.
  // The first match is coloured blue at 17 pt (the mark stays), the caret goes to the start of
  // the match's displayed line and the view scrolls there. False, with nothing changed, when the
  // trimmed text is empty or does not occur.
  static bool SearchAndMark(QPlainTextEdit& view, const QString& text);

  // Adds `step` points to the view's base font, stopping at kMinPointSize (a font already below
  // it is left as it is); the marks keep their size.
  static void ZoomBy(QPlainTextEdit& view, int step);

  // Replaces the view's whole text by `text` in the plain format, whatever the caret stood on:
  // marks never reach the new text.
  static void ReplaceText(QPlainTextEdit& view, const QString& text);
};

}  // namespace tarn::app
