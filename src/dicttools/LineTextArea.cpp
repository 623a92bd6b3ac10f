#include "dicttools/LineTextArea.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleHints>
#include <QTextCharFormat>
#include <algorithm>
#include <cmath>
#include <limits>

namespace tarn::dicttools {

namespace {

constexpr int kMargin = 4;
constexpr int kAutoScrollInterval = 50;

int Length(QStringView line) { return static_cast<int>(line.size()); }

// Letters, digits and underscores make up the word that a double click selects.
bool IsWordCharacter(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

}  // namespace

LineTextArea::LineTextArea(QWidget* parent) : QAbstractScrollArea(parent) {
  setAttribute(Qt::WA_InputMethodEnabled);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setCursor(Qt::IBeamCursor);
  UpdateScrollBars();
}

void LineTextArea::SetText(QStringView text) {
  buffer_.SetText(text);
  cursor_ = anchor_ = TextPosition{};
  preedit_.clear();
  preedit_cursor_ = 0;
  preedit_formats_.clear();
  measured_width_ = 0;
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  Edited();
}

QString LineTextArea::Text() const { return buffer_.Text({}, buffer_.End(), u"\r\n"); }

void LineTextArea::Cut() {
  if (!HasSelection()) return;
  Copy();
  RemoveSelectedText();
  Edited();
}

void LineTextArea::Copy() {
  if (HasSelection()) QGuiApplication::clipboard()->setText(SelectedText());
}

void LineTextArea::Paste() {
  const QString text = QGuiApplication::clipboard()->text();
  if (!text.isEmpty()) InsertText(text);
}

void LineTextArea::SelectAll() {
  anchor_ = {};
  MoveTo(buffer_.End(), true);
}

bool LineTextArea::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    if (CommandFor(*static_cast<QKeyEvent*>(event))) {
      event->accept();
      return true;
    }
  } else if (event->type() == QEvent::KeyPress) {
    // Tab types a tab here rather than moving the focus on.
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      keyPressEvent(key);
      return true;
    }
  }
  return QAbstractScrollArea::event(event);
}

void LineTextArea::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const int first = verticalScrollBar()->value();
  const int height = LineHeight();
  const int last = std::min(LineCount() - 1, first + viewport()->height() / height + 1);
  const auto [from, to] = Selection();
  const QPalette& colors = palette();
  QTextLayout::FormatRange selected;
  selected.format.setBackground(colors.brush(QPalette::Highlight));
  selected.format.setForeground(colors.brush(QPalette::HighlightedText));
  const bool caret_shown = caret_on_ && hasFocus() && !preedit_hides_caret_;
  qreal widest = 0;
  for (int i = first; i <= last; ++i) {
    const QPointF origin(kMargin - horizontalScrollBar()->value(), kMargin + (i - first) * height);
    const QRectF row(0, origin.y(), viewport()->width(), height);
    if (!row.intersects(event->rect())) continue;
    const std::unique_ptr<QTextLayout> layout = Layout(i, true);
    QList<QTextLayout::FormatRange> selections;
    if (from.line <= i && i <= to.line && from != to) {
      selected.start = i == from.line ? from.column : 0;
      selected.length = (i == to.line ? to.column : Length(buffer_.Line(i))) - selected.start;
      selections.append(selected);
    }
    layout->draw(&painter, origin, selections);
    const qreal width = layout->lineAt(0).naturalTextWidth();
    // A selected line break shows as a selected space, so that selected empty lines show.
    if (from.line <= i && i < to.line) {
      painter.fillRect(
          QRectF(origin.x() + width, origin.y(), fontMetrics().horizontalAdvance(u' '), height),
          selected.format.background());
    }
    if (i == cursor_.line && caret_shown) {
      layout->drawCursor(&painter, origin, cursor_.column + preedit_cursor_,
                         style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
    }
    widest = std::max(widest, width);
  }
  if (std::ceil(widest) > measured_width_) {
    measured_width_ = static_cast<int>(std::ceil(widest));
    // Not while painting: a new range may show the scroll bar and resize the viewport.
    QMetaObject::invokeMethod(this, &LineTextArea::UpdateScrollBars, Qt::QueuedConnection);
  }
}

void LineTextArea::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void LineTextArea::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    measured_width_ = 0;
    UpdateScrollBars();
    viewport()->update();
  }
}

void LineTextArea::scrollContentsBy(int, int) { viewport()->update(); }

void LineTextArea::keyPressEvent(QKeyEvent* event) {
  if (const std::function<void()> command = CommandFor(*event)) {
    command();
  } else {
    event->ignore();
  }
}

std::function<void()> LineTextArea::CommandFor(const QKeyEvent& event) {
  static constexpr struct {
    QKeySequence::StandardKey move;
    QKeySequence::StandardKey select;
    Move to;
  } kMoves[] = {
      {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Move::kNextChar},
      {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Move::kPreviousChar},
      {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, Move::kNextWord},
      {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, Move::kPreviousWord},
      {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Move::kNextLine},
      {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Move::kPreviousLine},
      {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Move::kNextPage},
      {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Move::kPreviousPage},
      {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Move::kStartOfLine},
      {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Move::kEndOfLine},
      {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Move::kStart},
      {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Move::kEnd},
  };
  static constexpr struct {
    QKeySequence::StandardKey key;
    void (LineTextArea::*edit)();
  } kEdits[] = {
      {QKeySequence::SelectAll, &LineTextArea::SelectAll},
      {QKeySequence::Copy, &LineTextArea::Copy},
      {QKeySequence::Cut, &LineTextArea::Cut},
      {QKeySequence::Paste, &LineTextArea::Paste},
      {QKeySequence::Delete, &LineTextArea::DeleteForward},
      {QKeySequence::DeleteStartOfWord, &LineTextArea::DeleteWordBackward},
      {QKeySequence::DeleteEndOfWord, &LineTextArea::DeleteWordForward},
      {QKeySequence::InsertParagraphSeparator, &LineTextArea::InsertLineBreak},
      {QKeySequence::InsertLineSeparator, &LineTextArea::InsertLineBreak},
  };
  for (const auto& key : kMoves) {
    if (event.matches(key.move)) return [this, to = key.to] { MoveCaret(to, false); };
    if (event.matches(key.select)) return [this, to = key.to] { MoveCaret(to, true); };
  }
  for (const auto& key : kEdits) {
    if (event.matches(key.key)) return [this, edit = key.edit] { (this->*edit)(); };
  }
  // Backspace is no standard key outside macOS; Shift+Backspace does the same.
  if (event.key() == Qt::Key_Backspace && !(event.modifiers() & ~Qt::ShiftModifier)) {
    return [this] { DeleteBackward(); };
  }
  const QString text = event.text();
  const bool command_key = event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  if (!text.isEmpty() && (text.front().isPrint() || text.front() == u'\t') && !command_key) {
    return [this, text] { InsertText(text); };
  }
  return {};
}

void LineTextArea::MoveCaret(Move move, bool select) {
  // Left or right with a selection and no Shift leaves the caret at that end of it.
  if (!select && HasSelection() && (move == Move::kNextChar || move == Move::kPreviousChar)) {
    const auto [from, to] = Selection();
    MoveTo(move == Move::kNextChar ? to : from, false);
    return;
  }
  const bool down = move == Move::kNextLine || move == Move::kNextPage;
  const bool up = move == Move::kPreviousLine || move == Move::kPreviousPage;
  if (!down && !up) {
    MoveTo(Target(move), select);
    return;
  }
  const bool page = move == Move::kNextPage || move == Move::kPreviousPage;
  const int rows = (page ? FullRows() : 1) * (down ? 1 : -1);
  if (page) verticalScrollBar()->setValue(verticalScrollBar()->value() + rows);
  const qreal x = desired_x_ >= 0 ? desired_x_ : CaretX();
  const int line = std::clamp(cursor_.line + rows, 0, LineCount() - 1);
  MoveTo({line, Layout(line, false)->lineAt(0).xToCursor(x)}, select);
  desired_x_ = x;
}

TextPosition LineTextArea::Target(Move move) const {
  const TextPosition at = cursor_;
  const int length = Length(buffer_.Line(at.line));
  const bool words = move == Move::kNextWord || move == Move::kPreviousWord;
  const QTextLayout::CursorMode mode = words ? QTextLayout::SkipWords : QTextLayout::SkipCharacters;
  switch (move) {
    case Move::kNextChar:
    case Move::kNextWord:
      if (at.column < length)
        return {at.line, Layout(at.line, false)->nextCursorPosition(at.column, mode)};
      return at.line + 1 < LineCount() ? TextPosition{at.line + 1, 0} : at;
    case Move::kPreviousChar:
    case Move::kPreviousWord:
      if (at.column > 0) {
        return {at.line, Layout(at.line, false)->previousCursorPosition(at.column, mode)};
      }
      return at.line > 0 ? TextPosition{at.line - 1, Length(buffer_.Line(at.line - 1))} : at;
    case Move::kStartOfLine:
      return {at.line, 0};
    case Move::kEndOfLine:
      return {at.line, length};
    case Move::kStart:
      return {};
    case Move::kEnd:
      return buffer_.End();
    default:
      return at;
  }
}

void LineTextArea::MoveTo(TextPosition to, bool select) {
  cursor_ = to;
  if (!select) anchor_ = to;
  desired_x_ = -1;
  Refresh(false);
}

void LineTextArea::SelectWordAt(TextPosition at) {
  const QStringView line = buffer_.Line(at.line);
  int start = at.column;
  int end = at.column;
  while (start > 0 && IsWordCharacter(line[start - 1])) --start;
  while (end < Length(line) && IsWordCharacter(line[end])) ++end;
  anchor_ = {at.line, start};
  MoveTo({at.line, end}, true);
}

void LineTextArea::InsertText(QStringView text) {
  RemoveSelectedText();
  cursor_ = anchor_ = buffer_.Insert(cursor_, text);
  Edited();
}

void LineTextArea::InsertLineBreak() { InsertText(u"\n"); }

void LineTextArea::DeleteBackward() {
  // One code point, not the whole cluster, so that a mistyped accent can be taken back alone.
  TextPosition target = cursor_;
  const QStringView line = buffer_.Line(cursor_.line);
  if (target.column > 0) {
    --target.column;
    if (target.column > 0 && line[target.column].isLowSurrogate() &&
        line[target.column - 1].isHighSurrogate()) {
      --target.column;
    }
  } else if (target.line > 0) {
    target = {target.line - 1, Length(buffer_.Line(target.line - 1))};
  }
  DeleteToward(target);
}

void LineTextArea::DeleteForward() { DeleteToward(Target(Move::kNextChar)); }
void LineTextArea::DeleteWordBackward() { DeleteToward(Target(Move::kPreviousWord)); }
void LineTextArea::DeleteWordForward() { DeleteToward(Target(Move::kNextWord)); }

// Removes the selection if there is one, else the text between the caret and `target`.
void LineTextArea::DeleteToward(TextPosition target) {
  if (!HasSelection()) anchor_ = target;
  RemoveSelectedText();
  Edited();
}

void LineTextArea::RemoveSelectedText() {
  const auto [from, to] = Selection();
  buffer_.Remove(from, to);
  cursor_ = anchor_ = from;
}

std::pair<TextPosition, TextPosition> LineTextArea::Selection() const {
  return std::minmax(cursor_, anchor_);
}

QString LineTextArea::SelectedText() const {
  const auto [from, to] = Selection();
  return buffer_.Text(from, to, u"\n");
}

void LineTextArea::inputMethodEvent(QInputMethodEvent* event) {
  const bool typing = !event->commitString().isEmpty() || event->replacementLength() > 0 ||
                      event->preeditString() != preedit_;
  if (typing) RemoveSelectedText();
  if (event->replacementLength() > 0) {
    const int length = Length(buffer_.Line(cursor_.line));
    const int start = std::clamp(cursor_.column + event->replacementStart(), 0, length);
    const int end = std::clamp(start + event->replacementLength(), start, length);
    buffer_.Remove({cursor_.line, start}, {cursor_.line, end});
    cursor_.column = start;
  }
  if (!event->commitString().isEmpty()) cursor_ = buffer_.Insert(cursor_, event->commitString());
  anchor_ = cursor_;
  preedit_ = event->preeditString();
  preedit_cursor_ = Length(preedit_);
  preedit_hides_caret_ = false;
  preedit_formats_.clear();
  for (const QInputMethodEvent::Attribute& attribute : event->attributes()) {
    if (attribute.type == QInputMethodEvent::Cursor) {
      preedit_cursor_ = attribute.start;
      preedit_hides_caret_ = attribute.length == 0;
    } else if (attribute.type == QInputMethodEvent::TextFormat) {
      const QTextCharFormat format = attribute.value.value<QTextFormat>().toCharFormat();
      if (format.isValid()) preedit_formats_.append({attribute.start, attribute.length, format});
    }
  }
  if (preedit_formats_.isEmpty() && !preedit_.isEmpty()) {
    QTextCharFormat underlined;
    underlined.setFontUnderline(true);
    preedit_formats_.append({0, Length(preedit_), underlined});
  }
  Edited();
}

QVariant LineTextArea::inputMethodQuery(Qt::InputMethodQuery query) const {
  const QStringView line = buffer_.Line(cursor_.line);
  switch (query) {
    case Qt::ImCursorRectangle:
      return CaretRect().translated(viewport()->pos());
    case Qt::ImCursorPosition:
      return cursor_.column;
    case Qt::ImAnchorPosition:
      // The surrounding text is the caret's line; an anchor on another line is at its edge.
      if (anchor_.line == cursor_.line) return anchor_.column;
      return anchor_.line < cursor_.line ? 0 : Length(line);
    case Qt::ImSurroundingText:
      return line.toString();
    case Qt::ImTextBeforeCursor:
      return line.first(cursor_.column).toString();
    case Qt::ImTextAfterCursor:
      return line.sliced(cursor_.column).toString();
    case Qt::ImCurrentSelection:
      return SelectedText();
    default:
      return QAbstractScrollArea::inputMethodQuery(query);
  }
}

void LineTextArea::mousePressEvent(QMouseEvent* event) {
  const TextPosition at = PositionAt(event->position().toPoint());
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (event->button() == Qt::LeftButton) {
    selecting_ = true;
    drag_point_ = event->position().toPoint();
    MoveTo(at, event->modifiers() & Qt::ShiftModifier);
  } else if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
    MoveTo(at, false);
    const QString text = clipboard->text(QClipboard::Selection);
    if (!text.isEmpty()) InsertText(text);
  }
}

void LineTextArea::mouseMoveEvent(QMouseEvent* event) {
  if (!selecting_) return;
  drag_point_ = event->position().toPoint();
  MoveTo(PositionAt(drag_point_), true);
  // Holding the mouse above or below the text keeps the selection growing.
  if (viewport()->rect().contains(drag_point_)) {
    autoscroll_.stop();
  } else if (!autoscroll_.isActive()) {
    autoscroll_.start(kAutoScrollInterval, this);
  }
}

void LineTextArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  selecting_ = false;
  autoscroll_.stop();
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (HasSelection() && clipboard->supportsSelection()) {
    clipboard->setText(SelectedText(), QClipboard::Selection);
  }
}

void LineTextArea::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  selecting_ = false;
  SelectWordAt(PositionAt(event->position().toPoint()));
}

void LineTextArea::contextMenuEvent(QContextMenuEvent* event) {
  const bool selected = HasSelection();
  const struct {
    const char* caption;
    QKeySequence::StandardKey key;
    void (LineTextArea::*command)();
    bool enabled;
  } items[] = {
      {"剪切(&T)", QKeySequence::Cut, &LineTextArea::Cut, selected},
      {"复制(&C)", QKeySequence::Copy, &LineTextArea::Copy, selected},
      {"粘贴(&P)", QKeySequence::Paste, &LineTextArea::Paste,
       !QGuiApplication::clipboard()->text().isEmpty()},
      {"删除(&D)", QKeySequence::Delete, &LineTextArea::DeleteForward, selected},
      {"全选(&A)", QKeySequence::SelectAll, &LineTextArea::SelectAll, true},
  };
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  for (const auto& item : items) {
    // The key shows beside the caption; the menu registers no shortcut of its own.
    QAction* action = menu->addAction(QString::fromUtf8(item.caption) + u'\t' +
                                      QKeySequence(item.key).toString(QKeySequence::NativeText));
    action->setEnabled(item.enabled);
    connect(action, &QAction::triggered, this, item.command);
    if (item.key == QKeySequence::Delete) menu->addSeparator();
  }
  menu->popup(event->globalPos());
}

void LineTextArea::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  RestartBlink();
  viewport()->update();
}

void LineTextArea::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  blink_.stop();
  viewport()->update();
}

void LineTextArea::timerEvent(QTimerEvent* event) {
  if (event->timerId() == blink_.timerId()) {
    caret_on_ = !caret_on_;
    viewport()->update(CaretRect());
  } else if (event->timerId() == autoscroll_.timerId()) {
    MoveTo(PositionAt(drag_point_), true);
  } else {
    QAbstractScrollArea::timerEvent(event);
  }
}

// One line laid out without wrapping; the caret's line may carry the input method's text.
std::unique_ptr<QTextLayout> LineTextArea::Layout(int line, bool with_preedit) const {
  auto layout = std::make_unique<QTextLayout>(buffer_.Line(line).toString(), font());
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout->setTextOption(option);
  if (with_preedit && line == cursor_.line && !preedit_.isEmpty()) {
    layout->setPreeditArea(cursor_.column, preedit_);
    QList<QTextLayout::FormatRange> formats = preedit_formats_;
    for (QTextLayout::FormatRange& format : formats) format.start += cursor_.column;
    layout->setFormats(formats);
  }
  layout->beginLayout();
  layout->createLine().setLineWidth(std::numeric_limits<int>::max());
  layout->endLayout();
  return layout;
}

// The place nearest a viewport point; points above or below the view give lines beyond it.
TextPosition LineTextArea::PositionAt(QPoint point) const {
  const int row = static_cast<int>(std::floor(double(point.y() - kMargin) / LineHeight()));
  const int line = std::clamp(verticalScrollBar()->value() + row, 0, LineCount() - 1);
  const int x = point.x() - kMargin + horizontalScrollBar()->value();
  const int column = Layout(line, false)->lineAt(0).xToCursor(x);
  return {line, std::clamp(column, 0, Length(buffer_.Line(line)))};
}

qreal LineTextArea::CaretX() const {
  return Layout(cursor_.line, true)->lineAt(0).cursorToX(cursor_.column + preedit_cursor_);
}

QRect LineTextArea::CaretRect() const {
  const int x = kMargin - horizontalScrollBar()->value() + static_cast<int>(std::floor(CaretX()));
  const int y = kMargin + (cursor_.line - verticalScrollBar()->value()) * LineHeight();
  const int width = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
  return QRect(x - width, y, 3 * width, LineHeight());
}

int LineTextArea::LineHeight() const { return std::max(1, fontMetrics().lineSpacing()); }

int LineTextArea::FullRows() const {
  return std::max(1, (viewport()->height() - kMargin) / LineHeight());
}

void LineTextArea::Edited() {
  desired_x_ = -1;
  Refresh(true);
}

// After any change of text or caret: scroll ranges, caret in view, caret shown, repaint.
void LineTextArea::Refresh(bool text_changed) {
  if (text_changed) UpdateScrollBars();
  EnsureCaretVisible();
  RestartBlink();
  viewport()->update();
  if (hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImQueryInput);
}

void LineTextArea::UpdateScrollBars() {
  const int rows = FullRows();
  QScrollBar* lines = verticalScrollBar();
  lines->setRange(0, std::max(0, LineCount() - rows));
  lines->setPageStep(rows);
  lines->setSingleStep(1);
  // Measuring every line would cost as much as the document this area replaces.
  const QFontMetrics metrics = fontMetrics();
  const qint64 estimate = qint64(buffer_.LongestLineLength()) * metrics.averageCharWidth();
  const qint64 content = std::max<qint64>(estimate, measured_width_) + 2 * kMargin;
  const int page = viewport()->width();
  QScrollBar* columns = horizontalScrollBar();
  columns->setRange(0, static_cast<int>(std::clamp<qint64>(content - page, 0, 1 << 30)));
  columns->setPageStep(page);
  columns->setSingleStep(2 * metrics.averageCharWidth());
}

void LineTextArea::EnsureCaretVisible() {
  QScrollBar* lines = verticalScrollBar();
  const int rows = FullRows();
  if (cursor_.line < lines->value()) {
    lines->setValue(cursor_.line);
  } else if (cursor_.line >= lines->value() + rows) {
    lines->setValue(cursor_.line - rows + 1);
  }
  const int x = static_cast<int>(std::ceil(CaretX()));
  if (x > measured_width_) {
    measured_width_ = x;
    UpdateScrollBars();
  }
  QScrollBar* columns = horizontalScrollBar();
  const int page = viewport()->width() - 2 * kMargin;
  if (x < columns->value()) {
    columns->setValue(x);
  } else if (x > columns->value() + page) {
    columns->setValue(x - page);
  }
}

void LineTextArea::RestartBlink() {
  caret_on_ = true;
  const int flash = QGuiApplication::styleHints()->cursorFlashTime();
  if (hasFocus() && flash > 0) {
    blink_.start(flash / 2, this);
  } else {
    blink_.stop();
  }
}

}  // namespace tarn::dicttools
