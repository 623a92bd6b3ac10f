// The text view's search and zoom, through the toolbar of a shown main window.
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFragment>
#include <QTextLayout>

#include "WindowFixture.h"
#include "app/TextViewSearch.h"

using tarn::app::TextViewSearch;
using tarn::testing::WindowFixture;

namespace {

// The character format at `position`; a line's break has the format of its line.
QTextCharFormat FormatAt(QPlainTextEdit& view, int position) {
  const QTextBlock block = view.document()->findBlock(position);
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    if (it.fragment().contains(position)) return it.fragment().charFormat();
  }
  return block.charFormat();
}

bool IsMarked(QPlainTextEdit& view, int position) {
  const QTextCharFormat format = FormatAt(view, position);
  return format.foreground().color() == QColor(0, 0, 255) && format.fontPointSize() == 17;
}

int MarkedCount(QPlainTextEdit& view) {
  int marked = 0;
  for (int i = 0; i < view.document()->characterCount() - 1; ++i) marked += IsMarked(view, i);
  return marked;
}

}  // namespace

class SearchTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowFixture> fixture_;
  QPlainTextEdit* view_ = nullptr;
  QLineEdit* box_ = nullptr;

  void Search(const QString& text) {
    box_->setText(text);
    fixture_->Click("RzToolButton2");
  }

 private Q_SLOTS:
  void init() {
    fixture_ = std::make_unique<WindowFixture>();
    QApplication::setActiveWindow(&fixture_->main());
    QVERIFY(QTest::qWaitForWindowActive(&fixture_->main()));
    view_ = fixture_->Find<QPlainTextEdit>("RichEdit1");
    box_ = fixture_->Find<QLineEdit>("RzEdit1");
  }
  void cleanup() { fixture_.reset(); }

  // Each row: the view's text, the search text, where the mark must start (-1: no match).
  void MarksTheFirstWholeWordIgnoringCase_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("start");
    QTest::newRow("inside a longer word only") << "a category\nconcatenate"
                                               << "cat" << -1;
    QTest::newRow("capital finds lower case") << "in the end"
                                              << "The" << 3;
    QTest::newRow("blanks around") << "in the end"
                                   << " \tthe  " << 3;
    QTest::newRow("first of several") << "x the\nthe the"
                                      << "THE" << 2;
    QTest::newRow("blank search") << "in the end"
                                  << "   " << -1;
    QTest::newRow("absent word") << "in the end"
                                 << "dog" << -1;
  }
  void MarksTheFirstWholeWordIgnoringCase() {
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(int, start);
    view_->setPlainText(text);
    Search(search);
    QCOMPARE(view_->toPlainText(), text);
    if (start < 0) {
      QCOMPARE(MarkedCount(*view_), 0);
      return;
    }
    const int length = static_cast<int>(search.trimmed().size());
    QCOMPARE(MarkedCount(*view_), length);
    for (int i = start; i < start + length; ++i) QVERIFY(IsMarked(*view_, i));
  }

  void RepeatingMarksTheSamePlaceAndKeepsEarlierMarks() {
    view_->setPlainText(QStringLiteral("one cat two dog\ncat"));
    Search(QStringLiteral("cat"));
    Search(QStringLiteral("cat"));
    QCOMPARE(MarkedCount(*view_), 3);
    QVERIFY(IsMarked(*view_, 4));
    Search(QStringLiteral("dog"));
    QCOMPARE(MarkedCount(*view_), 6);
    QVERIFY(IsMarked(*view_, 4));
  }

  // The caret goes to the start of the displayed line of the match, focus back in the box.
  void CaretAtTheDisplayedLineStartFocusInTheBox() {
    QString text;
    for (int i = 0; i < 300; ++i) text += QStringLiteral("line%1 filler\n").arg(i);
    QString wrapped;
    for (int i = 0; i < 60; ++i) wrapped += QStringLiteral("word ");
    text += wrapped + QStringLiteral("target ") + wrapped;
    view_->setPlainText(text);
    Search(QStringLiteral("target"));

    const int match = static_cast<int>(text.indexOf(QStringLiteral("target")));
    const QTextCursor caret = view_->textCursor();
    QVERIFY(!caret.hasSelection());
    const QTextBlock block = caret.block();
    const QTextLine line = block.layout()->lineForTextPosition(match - block.position());
    QVERIFY(line.isValid());
    QVERIFY(line.textStart() > 0);  // the match sits on a wrapped line, not the block's first
    QCOMPARE(caret.position(), block.position() + line.textStart());
    QVERIFY(view_->cursorRect().top() >= 0);
    QVERIFY(view_->cursorRect().bottom() <= view_->viewport()->height());
    QVERIFY(box_->hasFocus());

    // Enter in the box runs the same search.
    view_->moveCursor(QTextCursor::Start);
    QTest::keyClick(box_, Qt::Key_Return);
    QCOMPARE(view_->textCursor().position(), block.position() + line.textStart());
  }

  // Zooming out stops at the readable minimum however often it is clicked.
  void ZoomStepsTwoPointsDownToTheMinimumAndMarksKeepTheirSize() {
    view_->setPlainText(QStringLiteral("the cat"));
    Search(QStringLiteral("cat"));
    QCOMPARE(view_->font().pointSize(), 11);
    fixture_->Click("RzToolButton4");
    QCOMPARE(view_->font().pointSize(), 9);
    for (int i = 0; i < 20; ++i) fixture_->Click("RzToolButton4");
    QCOMPARE(view_->font().pointSize(), TextViewSearch::kMinPointSize);
    fixture_->Click("RzToolButton3");
    QCOMPARE(view_->font().pointSize(), TextViewSearch::kMinPointSize + 2);
    QVERIFY(IsMarked(*view_, 4));
    QCOMPARE(MarkedCount(*view_), 3);
  }

  // A mark stays on its text only: whatever replaces the whole view next, a listing, a sort, a
  // new count or the help, is drawn in the plain format at the current zoom.
  void TheNextFullReplacementIsPlain_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("all words") << "RzGroup1Items2";
    QTest::newRow("sort") << "RzGroup2Items0";
    QTest::newRow("new count") << "RzGroup1Items0";
    QTest::newRow("help") << "RzGroup4Items1";
  }
  void TheNextFullReplacementIsPlain() {
    QFETCH(QString, command);
    fixture_->Count("cat dog cat bird\r\n");
    fixture_->Click("RzToolButton4");
    Search(QStringLiteral("cat"));
    QCOMPARE(MarkedCount(*view_), 3);
    if (command == QStringLiteral("RzGroup1Items0")) {
      fixture_->Count("bird cat\r\n");
    } else {
      fixture_->Click(command.toUtf8().constData());
    }
    QVERIFY(view_->document()->characterCount() > 1);
    for (int i = 0; i < view_->document()->characterCount() - 1; ++i) {
      const QTextCharFormat format = FormatAt(*view_, i);
      QVERIFY2(!format.hasProperty(QTextFormat::ForegroundBrush) &&
                   !format.hasProperty(QTextFormat::FontPointSize),
               qPrintable(QStringLiteral("character %1").arg(i)));
    }
    QCOMPARE(view_->font().pointSize(), 9);
  }
};

QTEST_MAIN(SearchTest)
#include "SearchTest.moc"
