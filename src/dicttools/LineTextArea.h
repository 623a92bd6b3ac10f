#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QString>
#include <QStringView>
#include <QTextLayout>
#include <functional>
#include <memory>
#include <utility>

#include "dicttools/LineBuffer.h"

namespace tarn::dicttools {

// A plain-text editor for long word lists: the text lives as a list of lines and only the
// lines in view are laid out and drawn, so that setting or reading half a million lines costs
// no more than copying them. No wrapping; the horizontal range is estimated from the longest
// line's length and widened as wider lines come into view.
class LineTextArea : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit LineTextArea(QWidget* parent = nullptr);

  // Replaces the text, splitting it into lines at CR LF, CR and LF (a break at the end leaves
  // an empty last line); the caret goes to the start and the view to the top.
  void SetText(QStringView text);
  // The whole text, its lines joined with CR LF.
  QString Text() const;
  // The number of lines, at least one.
  int LineCount() const { return buffer_.LineCount(); }

  // What an input method asks about: the caret's line, the caret and anchor within it, the
  // selection and the caret's rectangle.
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 public Q_SLOTS:
  // Copies the selection to the clipboard (line breaks as LF), then removes it.
  void Cut();
  // Copies the selection to the clipboard, line breaks as LF.
  void Copy();
  // Replaces the selection with the clipboard's text, whatever its line breaks.
  void Paste();
  void SelectAll();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  enum class Move {
    kNextChar,
    kPreviousChar,
    kNextWord,
    kPreviousWord,
    kNextLine,
    kPreviousLine,
    kNextPage,
    kPreviousPage,
    kStartOfLine,
    kEndOfLine,
    kStart,
    kEnd
  };

  std::function<void()> CommandFor(const QKeyEvent& event);
  void MoveCaret(Move move, bool select);
  TextPosition Target(Move move) const;
  void MoveTo(TextPosition to, bool select);
  void SelectWordAt(TextPosition at);
  void InsertText(QStringView text);
  void InsertLineBreak();
  void DeleteBackward();
  void DeleteForward();
  void DeleteWordBackward();
  void DeleteWordForward();
  void DeleteToward(TextPosition target);
  void RemoveSelectedText();
  bool HasSelection() const { return cursor_ != anchor_; }
  std::pair<TextPosition, TextPosition> Selection() const;
  QString SelectedText() const;

  std::unique_ptr<QTextLayout> Layout(int line, bool with_preedit) const;
  TextPosition PositionAt(QPoint point) const;
  qreal CaretX() const;
  QRect CaretRect() const;
  int LineHeight() const;
  int FullRows() const;
  void Edited();
  void Refresh(bool text_changed);
  void UpdateScrollBars();
  void EnsureCaretVisible();
  void RestartBlink();

  LineBuffer buffer_;
  TextPosition cursor_;
  TextPosition anchor_;
  // The x the caret aims for while it moves up and down through shorter lines; < 0 when unset.
  qreal desired_x_ = -1;
  // The widest line drawn so far, in pixels; the estimate from character counts may be short.
  int measured_width_ = 0;
  // The input method's uncommitted text, shown at the caret but not yet part of the text.
  QString preedit_;
  int preedit_cursor_ = 0;
  bool preedit_hides_caret_ = false;
  QList<QTextLayout::FormatRange> preedit_formats_;
  bool caret_on_ = true;
  bool selecting_ = false;
  QPoint drag_point_;
  QBasicTimer blink_;
  QBasicTimer autoscroll_;
};

}  // namespace tarn::dicttools
