#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QtTest>
#include <memory>

#include "dicttools/LineTextArea.h"

using tarn::dicttools::LineTextArea;

class LineTextAreaTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<LineTextArea> area_;

  QString Clipboard() const { return QGuiApplication::clipboard()->text(); }
  // The viewport point in the middle of a line's row, `x` pixels from the left edge.
  QPoint RowPoint(int line, int x) const {
    const int height = area_->fontMetrics().lineSpacing();
    return QPoint(x, 4 + line * height + height / 2);
  }

 private Q_SLOTS:
  void init() {
    area_ = std::make_unique<LineTextArea>();
    area_->resize(300, 200);
    area_->show();
    QVERIFY(QTest::qWaitForWindowExposed(area_.get()));
    QGuiApplication::clipboard()->clear();
  }
  void cleanup() { area_.reset(); }

  void setAndReadKeepTheText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read");
    QTest::addColumn<int>("lines");
    QTest::newRow("mixed line ends")
        << QStringLiteral("a\r\nb\rc\nd") << QStringLiteral("a\r\nb\r\nc\r\nd") << 4;
    QTest::newRow("empty last line")
        << QStringLiteral("a\r\nb\r\n") << QStringLiteral("a\r\nb\r\n") << 3;
    QTest::newRow("LF CR is two breaks")
        << QStringLiteral("a\n\rb") << QStringLiteral("a\r\n\r\nb") << 3;
    QTest::newRow("only breaks") << QStringLiteral("\r\n\n") << QStringLiteral("\r\n\r\n") << 3;
    QTest::newRow("empty") << QString() << QString() << 1;
    const QString kept = QString::fromUtf8("a\u00a0b\tc \u4e2d \U0001F600 e\u0301 \u20ac\u00ff");
    QTest::newRow("characters kept as they are") << kept << kept << 1;
  }

  void setAndReadKeepTheText() {
    QFETCH(QString, text);
    area_->SetText(text);
    QTEST(area_->Text(), "read");
    QTEST(area_->LineCount(), "lines");
    // The window read the same text out of the plain-text editor this area replaced.
    QPlainTextEdit previous;
    previous.setPlainText(text);
    QCOMPARE(area_->Text(), previous.document()->toRawText().replace(QChar::ParagraphSeparator,
                                                                     QStringLiteral("\r\n")));
  }

  void editingKeys_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("edited");
    auto row = [](const char* name, const char* text, std::initializer_list<QKeyCombination> keys,
                  const char* typed, const char* edited) {
      QTestEventList events;
      for (QKeyCombination key : keys) events.addKeyClick(key.key(), key.keyboardModifiers());
      events.addKeyClicks(QString::fromUtf8(typed));
      QTest::newRow(name) << QString::fromUtf8(text) << events << QString::fromUtf8(edited);
    };
    row("typing at the start", "ab\ncd", {}, "xy", "xyab\r\ncd");
    row("enter splits a line", "abcd", {Qt::Key_Right, Qt::Key_Right, Qt::Key_Return}, "",
        "ab\r\ncd");
    row("backspace joins a line to the one above", "ab\ncd", {Qt::Key_Down, Qt::Key_Backspace}, "",
        "abcd");
    row("delete joins the next line", "ab\ncd", {Qt::Key_End, Qt::Key_Delete}, "", "abcd");
    row("backspace takes a whole surrogate pair", "a\U0001F600\nb",
        {Qt::Key_End, Qt::Key_Backspace}, "", "a\r\nb");
    row("up and down keep the column through a short line", "abcd\nx\nabcd",
        {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down}, "!",
        "abcd\r\nx\r\nabc!d");
    row("ctrl+end", "ab\ncd", {Qt::ControlModifier | Qt::Key_End}, "1", "ab\r\ncd1");
    row("ctrl+home", "ab\ncd", {Qt::Key_Down, Qt::Key_End, Qt::ControlModifier | Qt::Key_Home}, "0",
        "0ab\r\ncd");
    row("left at the start and right at the end stay", "ab",
        {Qt::Key_Left, Qt::Key_End, Qt::Key_Right}, "!", "ab!");
    row("right runs on to the next line", "ab\ncd", {Qt::Key_End, Qt::Key_Right}, "!", "ab\r\n!cd");
    row("shift+down selects across lines, typing replaces", "hello\nworld",
        {Qt::Key_Right, Qt::ShiftModifier | Qt::Key_Down}, "X", "hXorld");
    row("shift+end then backspace", "abc\ndef",
        {Qt::Key_Right, Qt::ShiftModifier | Qt::Key_End, Qt::Key_Backspace}, "", "a\r\ndef");
    row("select all and delete", "ab\ncd\n", {Qt::ControlModifier | Qt::Key_A, Qt::Key_Delete}, "",
        "");
    row("ctrl+backspace deletes a word", "one two",
        {Qt::Key_End, Qt::ControlModifier | Qt::Key_Backspace}, "", "one ");
    row("tab types a tab", "ab", {Qt::Key_Tab}, "", "\tab");
    row("escape changes nothing", "ab", {Qt::Key_Escape}, "", "ab");
  }

  void editingKeys() {
    QFETCH(QString, text);
    QFETCH(QTestEventList, keys);
    area_->SetText(text);
    keys.simulate(area_.get());
    QTEST(area_->Text(), "edited");
  }

  void cutAndPasteMultiLineText() {
    area_->SetText(QStringLiteral("one\ntwo\nthree"));
    QTest::keyClick(area_.get(), Qt::Key_Right);
    QTest::keyClick(area_.get(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(area_.get(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(area_.get(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(Clipboard(), QStringLiteral("ne\ntwo\nt"));
    QCOMPARE(area_->Text(), QStringLiteral("ohree"));

    QTest::keyClick(area_.get(), Qt::Key_End);
    QTest::keyClick(area_.get(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(area_->Text(), QStringLiteral("ohreene\r\ntwo\r\nt"));
    QTest::keyClicks(area_.get(), QStringLiteral("!"));  // the caret is after the pasted text
    QCOMPARE(area_->Text(), QStringLiteral("ohreene\r\ntwo\r\nt!"));

    // Text from elsewhere may break its lines any way.
    QGuiApplication::clipboard()->setText(QStringLiteral("x\r\ny\rz"));
    QTest::keyClick(area_.get(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(area_.get(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(area_->Text(), QStringLiteral("x\r\ny\r\nzohreene\r\ntwo\r\nt!"));

    QTest::keyClick(area_.get(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(area_.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Clipboard(), QStringLiteral("x\ny\nzohreene\ntwo\nt!"));
    QCOMPARE(area_->LineCount(), 5);
  }

  void mouseSelectsByDragAndDoubleClick() {
    area_->SetText(QStringLiteral("alpha\nbeta\ngamma delta"));
    QWidget* viewport = area_->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, RowPoint(0, 1));
    QTest::mouseMove(viewport, RowPoint(1, viewport->width() - 1));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, RowPoint(1, viewport->width() - 1));
    QTest::keyClick(area_.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Clipboard(), QStringLiteral("alpha\nbeta"));

    // A shift+click extends the selection from where it started.
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, RowPoint(2, 1));
    QTest::keyClick(area_.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Clipboard(), QStringLiteral("alpha\nbeta\n"));

    const int in_gamma = 4 + area_->fontMetrics().horizontalAdvance(QStringLiteral("ga"));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, RowPoint(2, in_gamma));
    QTest::keyClick(area_.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Clipboard(), QStringLiteral("gamma"));
  }

  void inputMethodCommitsText() {
    area_->SetText(QString::fromUtf8("ab\ncd"));
    QTest::keyClick(area_.get(), Qt::Key_Right);
    QInputMethodEvent composing(QStringLiteral("zhong"), {});
    QCoreApplication::sendEvent(area_.get(), &composing);
    QCOMPARE(area_->Text(), QStringLiteral("ab\r\ncd"));  // composing text is not text yet
    QCOMPARE(area_->inputMethodQuery(Qt::ImSurroundingText).toString(), QStringLiteral("ab"));
    QCOMPARE(area_->inputMethodQuery(Qt::ImCursorPosition).toInt(), 1);

    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("中"));
    QCoreApplication::sendEvent(area_.get(), &commit);
    QCOMPARE(area_->Text(), QString::fromUtf8("a中b\r\ncd"));
    QCOMPARE(area_->inputMethodQuery(Qt::ImCursorPosition).toInt(), 2);

    // A commit may replace text before the caret, and replaces the selection.
    QInputMethodEvent correction;
    correction.setCommitString(QString::fromUtf8("文"), -1, 1);
    QCoreApplication::sendEvent(area_.get(), &correction);
    QTest::keyClick(area_.get(), Qt::Key_End, Qt::ShiftModifier);
    QInputMethodEvent over_selection;
    over_selection.setCommitString(QString::fromUtf8("字"));
    QCoreApplication::sendEvent(area_.get(), &over_selection);
    QCOMPARE(area_->Text(), QString::fromUtf8("a文字\r\ncd"));
    QVERIFY(area_->inputMethodQuery(Qt::ImCursorRectangle).toRect().isValid());
  }

  void contextMenuCutsAndPastes() {
    area_->SetText(QStringLiteral("ab\ncd"));
    auto menu_at = [this](const QPoint& point) {
      QContextMenuEvent event(QContextMenuEvent::Mouse, point,
                              area_->viewport()->mapToGlobal(point));
      QCoreApplication::sendEvent(area_->viewport(), &event);
      QMenu* menu = area_->findChild<QMenu*>();
      menu->setParent(nullptr);
      return std::unique_ptr<QMenu>(menu);
    };
    auto action = [](QMenu& menu, const char* caption) {
      for (QAction* action : menu.actions()) {
        if (action->text().startsWith(QString::fromUtf8(caption))) return action;
      }
      qFatal("no menu item %s", caption);
    };
    std::unique_ptr<QMenu> menu = menu_at(RowPoint(0, 1));
    QVERIFY(!action(*menu, "剪切")->isEnabled());
    QVERIFY(!action(*menu, "粘贴")->isEnabled());
    action(*menu, "全选")->trigger();

    menu = menu_at(RowPoint(0, 1));
    QVERIFY(action(*menu, "复制")->isEnabled());
    action(*menu, "剪切")->trigger();
    QCOMPARE(area_->Text(), QString());
    QCOMPARE(Clipboard(), QStringLiteral("ab\ncd"));

    menu = menu_at(RowPoint(0, 1));
    action(*menu, "粘贴")->trigger();
    QCOMPARE(area_->Text(), QStringLiteral("ab\r\ncd"));
  }

  void scrollingKeepsTheCaretInView() {
    QStringList lines;
    for (int i = 0; i < 1000; ++i) lines << QStringLiteral("word%1").arg(i);
    area_->SetText(lines.join(u'\n'));
    QScrollBar* rows = area_->verticalScrollBar();
    const int page = rows->pageStep();
    QCOMPARE(rows->maximum(), 1000 - page);

    QTest::keyClick(area_.get(), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(rows->value(), rows->maximum());
    QTest::keyClick(area_.get(), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(rows->value(), 0);
    QTest::keyClick(area_.get(), Qt::Key_PageDown);
    QTest::keyClicks(area_.get(), QStringLiteral("x"));
    QCOMPARE(area_->Text().split(QStringLiteral("\r\n")).at(page),
             QStringLiteral("xword%1").arg(page));
    QCOMPARE(rows->value(), page);

    const QPointF inside = RowPoint(1, 10);
    QWheelEvent wheel(inside, area_->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(area_->viewport(), &wheel);
    QVERIFY(rows->value() > page);

    QScrollBar* columns = area_->horizontalScrollBar();
    area_->SetText(QString(2000, u'm'));
    QVERIFY(columns->maximum() > 0);
    QTest::keyClick(area_.get(), Qt::Key_End);
    QCOMPARE(columns->value(), columns->maximum());
    QTest::keyClick(area_.get(), Qt::Key_Home);
    QCOMPARE(columns->value(), 0);
  }
};

QTEST_MAIN(LineTextAreaTest)
#include "LineTextAreaTest.moc"
