#include "app/TextViewSearch.h"

#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "text/Trim.h"

namespace tarn::app {

bool TextViewSearch::SearchAndMark(QPlainTextEdit& view, const QString& text) {
  const std::u16string wanted = Trim(text.toStdU16String());
  if (wanted.empty()) return false;
  QTextCursor match =
      view.document()->find(QString::fromStdU16String(wanted), 0, QTextDocument::FindWholeWords);
  if (match.isNull()) return false;

  QTextCharFormat mark;
  mark.setForeground(QColor(0, 0, 255));
  mark.setFontPointSize(kMarkPointSize);
  match.mergeCharFormat(mark);

  // The displayed line is known only once the block is laid out, so scroll there first.
  QTextCursor caret(view.document());
  caret.setPosition(match.selectionStart());
  view.setTextCursor(caret);
  view.ensureCursorVisible();
  caret.movePosition(QTextCursor::StartOfLine);
  view.setTextCursor(caret);
  view.ensureCursorVisible();
  return true;
}

void TextViewSearch::ZoomBy(QPlainTextEdit& view, int step) {
  QFont font = view.font();
  const int size = font.pointSize();
  font.setPointSize(std::max(std::min(size, kMinPointSize), size + step));
  view.setFont(font);
}

void TextViewSearch::ReplaceText(QPlainTextEdit& view, const QString& text) {
  // The new text takes the caret's format, which after a search is the mark's.
  view.setCurrentCharFormat(QTextCharFormat());
  view.setPlainText(text);
}

}  // namespace tarn::app
