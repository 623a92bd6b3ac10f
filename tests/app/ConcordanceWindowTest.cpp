// The concordance window: opened from the listing by a double-click and from the popup menu, its
// heading, lines, orders, width, copy and export, and the word or document that has no lines.
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTextBlock>

#include "WindowFixture.h"
#include "concordance/ConcordanceCommands.h"
#include "concordance/ConcordanceWindow.h"

using tarn::DialogChoice;
using tarn::testing::WindowFixture;

namespace {

// cat twice and Cats once; the merged view folds cats into cat.
const char* const kSample = "The cat sat on the mat. A dog saw the cat.\r\nCats went home.\r\n";
// Three occurrences of cat to sort: by their left words apple/six, apple/two, zebra; by their
// right words apple, banana, zebra.
const char* const kSortSample =
    "one zebra cat apple pie. two Apple cat zebra. six apple cat banana.";

// The concordance window, its widgets found by name.
struct ConcordanceView {
  explicit ConcordanceView(WindowFixture& fixture) : window(fixture.windows->concordance()) {}

  template <typename Widget = QWidget>
  Widget* Find(const char* name) const {
    return window.findChild<Widget*>(QString::fromUtf8(name));
  }
  QTableView* Lines() const { return Find<QTableView>("ConcordanceLines"); }
  QString Heading() const { return Find<QLabel>("ConcordanceHeading")->text(); }
  QString Cell(int row, int column) const {
    return Lines()->model()->index(row, column).data().toString();
  }
  // Each line's cells joined by '|'.
  QStringList Rows() const {
    QStringList rows;
    for (int row = 0; row < Lines()->model()->rowCount(); ++row)
      rows << Cell(row, 0) + u'|' + Cell(row, 1) + u'|' + Cell(row, 2);
    return rows;
  }
  // The first word of each line's right context, which tells the sample's lines apart.
  QStringList RightWords() const {
    QStringList words;
    for (int row = 0; row < Lines()->model()->rowCount(); ++row)
      words << Cell(row, 2).section(u' ', 0, 0, QString::SectionSkipEmpty).remove(u'.');
    return words;
  }

  tarn::concordance::ConcordanceWindow& window;
};

// The line of the text view whose listing word is `word`.
QTextBlock ListingLine(WindowFixture& fixture, const QString& word) {
  auto* view = fixture.Find<QPlainTextEdit>("RichEdit1");
  for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
    if (block.text().startsWith(word + u' ')) return block;
  }
  return QTextBlock();
}

// Puts the text view's cursor on the listing line of `word`, without a selection.
void PlaceCursorOn(WindowFixture& fixture, const QString& word) {
  auto* view = fixture.Find<QPlainTextEdit>("RichEdit1");
  const QTextBlock line = ListingLine(fixture, word);
  QVERIFY(line.isValid());
  QTextCursor cursor(line);
  cursor.movePosition(QTextCursor::EndOfBlock);
  view->setTextCursor(cursor);
}

// Selects `text` in the text view, as the search does.
void Select(WindowFixture& fixture, const QString& text) {
  auto* view = fixture.Find<QPlainTextEdit>("RichEdit1");
  view->moveCursor(QTextCursor::Start);
  QVERIFY(view->find(text));
}

}  // namespace

class ConcordanceWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The view's own double-click still selects the word; the window opens on the line's word.
  void DoubleClickOnAListingLineOpensIt() {
    WindowFixture fixture;
    fixture.Count(kSample);
    ConcordanceView view(fixture);
    auto* text = fixture.Find<QPlainTextEdit>("RichEdit1");
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.main()));
    const QTextBlock line = ListingLine(fixture, QStringLiteral("cat"));
    QVERIFY(line.isValid());
    QTextCursor start(line);
    const QPoint where = text->cursorRect(start).center() + QPoint(4, 0);
    QTest::mouseClick(text->viewport(), Qt::LeftButton, Qt::NoModifier, where);
    QTest::mouseDClick(text->viewport(), Qt::LeftButton, Qt::NoModifier, where);
    QTRY_VERIFY(view.window.isVisible());
    QCOMPARE(text->textCursor().selectedText(), QStringLiteral("cat"));
    // After a counting run a word stands for itself: the capitalised Cats is another word.
    const std::string gloss = fixture.main().WordGlosses().Of("cat");
    QVERIFY(!gloss.empty());
    QCOMPARE(view.Heading(), QStringLiteral("cat：2 处  ") + QString::fromStdString(gloss));
    QCOMPARE(view.Lines()->model()->rowCount(), 2);
    QVERIFY(fixture.port.messages.empty());
  }

  // The menu item takes the selection, else the line the cursor is on; in a merged view the
  // base form stands for its forms, as many lines as the view counts.
  void TheMenuItemFollowsTheViewsForms() {
    WindowFixture fixture;
    fixture.Count(kSample);
    ConcordanceView view(fixture);
    // Word alone, the base form's gloss in the heading.
    PlaceCursorOn(fixture, QStringLiteral("cats"));
    fixture.Choose("c3");
    QVERIFY(view.window.isVisible());
    const QString gloss = QString::fromStdString(fixture.main().WordGlosses().Of("cat"));
    QCOMPARE(view.Heading(), QStringLiteral("cats：1 处  ") + gloss);
    QCOMPARE(view.RightWords(), (QStringList{QStringLiteral("went")}));

    fixture.Click("RzGroup1Items5");  // 查看归并单词统计
    QVERIFY(fixture.ViewText().startsWith(QStringLiteral("cat                 \t3\n")));
    Select(fixture, QStringLiteral("cat"));
    fixture.Choose("c3");
    QCOMPARE(view.Heading(), QStringLiteral("cat：3 处（cat、cats）  ") + gloss);
    QCOMPARE(view.Rows(), (QStringList{
                              QStringLiteral("                                    The |cat| sat "
                                             "on the mat. A dog saw the cat. Cats"),
                              QStringLiteral("  The cat sat on the mat. A dog saw the |cat|. "
                                             "Cats went home. "),
                              QStringLiteral(" cat sat on the mat. A dog saw the cat. |Cats| "
                                             "went home. "),
                          }));
    QVERIFY(fixture.port.messages.empty());

    // The filtered merged view folds the same way (cat is a filter word).
    fixture.Count("A zebra and two zebras.\r\n");
    fixture.Click("RzGroup1Items4");
    PlaceCursorOn(fixture, QStringLiteral("zebra"));
    fixture.Choose("c3");
    QCOMPARE(view.Lines()->model()->rowCount(), 2);
  }

  void TheOrdersSortByTheNearestWords_data() {
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("right_words");
    QTest::newRow("document") << 0
                              << QStringList{QStringLiteral("apple"), QStringLiteral("zebra"),
                                             QStringLiteral("banana")};
    // apple six < apple two (capitals ignored) < zebra.
    QTest::newRow("left words, nearest first")
        << 1
        << QStringList{QStringLiteral("banana"), QStringLiteral("zebra"), QStringLiteral("apple")};
    QTest::newRow("right words") << 2
                                 << QStringList{QStringLiteral("apple"), QStringLiteral("banana"),
                                                QStringLiteral("zebra")};
  }

  void TheOrdersSortByTheNearestWords() {
    QFETCH(int, order);
    QFETCH(QStringList, right_words);
    WindowFixture fixture;
    fixture.Count(kSortSample);
    ConcordanceView view(fixture);
    Select(fixture, QStringLiteral("cat"));
    fixture.Choose("c3");
    view.Find<QComboBox>("ConcordanceOrder")->setCurrentIndex(order);
    QCOMPARE(view.RightWords(), right_words);
    // A new width keeps the order.
    view.Find<QSpinBox>("ConcordanceWidth")->setValue(12);
    QCOMPARE(view.RightWords(), right_words);
  }

  void TheWidthFindsTheContextsAgain() {
    WindowFixture fixture;
    fixture.Count(kSample);
    ConcordanceView view(fixture);
    PlaceCursorOn(fixture, QStringLiteral("cat"));
    fixture.Choose("c3");
    auto* width = view.Find<QSpinBox>("ConcordanceWidth");
    QCOMPARE(width->value(), 40);
    QCOMPARE(width->minimum(), 10);
    QCOMPARE(width->maximum(), 200);
    width->setValue(10);
    QCOMPARE(view.Rows(), (QStringList{QStringLiteral("      The |cat| sat on th"),
                                       QStringLiteral("g saw the |cat|. Cats wen")}));
  }

  // Copy takes the selected lines, or all; export writes the shown order in code page 936 with
  // CR LF, in document order byte for byte what tarn-cli's concordance step lists.
  void CopyAndExportGiveTheLinesAsText() {
    WindowFixture fixture;
    fixture.Count(kSortSample);
    ConcordanceView view(fixture);
    PlaceCursorOn(fixture, QStringLiteral("cat"));
    fixture.Choose("c3");
    view.Find<QSpinBox>("ConcordanceWidth")->setValue(10);

    fixture.port.save_answers.push_back(DialogChoice{fixture.Path(u"lines"), 1});
    view.Find<QAbstractButton>("ConcordanceExport")->click();
    tarn::ConcordanceCommands commands(fixture.main().Session());
    const auto found = commands.Find("cat", tarn::FormScope::kWordAlone, 10);
    QVERIFY(found.has_value());
    QCOMPARE(fixture.ReadFile(u"lines.txt"), QByteArray::fromStdString(found->Text()));
    QCOMPARE(fixture.port.save_requests.back().filter, std::string("文本文件(*.txt)|*.txt"));

    view.Find<QComboBox>("ConcordanceOrder")->setCurrentIndex(2);
    fixture.port.save_answers.push_back(DialogChoice{fixture.Path(u"sorted"), 1});
    view.Find<QAbstractButton>("ConcordanceExport")->click();
    QCOMPARE(fixture.ReadFile(u"sorted.txt"), QByteArray("one zebra \tcat\t apple pie\r\n"
                                                         "six apple \tcat\t banana.\r\n"
                                                         "two Apple \tcat\t zebra. si\r\n"));

    view.Find<QAbstractButton>("ConcordanceCopy")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("one zebra \tcat\t apple pie\nsix apple \tcat\t banana.\n"
                            "two Apple \tcat\t zebra. si\n"));
    view.Lines()->selectRow(1);
    view.Find<QAbstractButton>("ConcordanceCopy")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("six apple \tcat\t banana.\n"));
    QVERIFY(fixture.port.messages.empty());
  }

  void AWordThatDoesNotOccurGivesAnEmptyWindowAndAMessage() {
    WindowFixture fixture;
    fixture.Count(kSample);
    ConcordanceView view(fixture);
    fixture.Find<QPlainTextEdit>("RichEdit1")->setPlainText(QStringLiteral("unicorn\t1\n"));
    Select(fixture, QStringLiteral("unicorn"));
    fixture.Choose("c3");
    QVERIFY(view.window.isVisible());
    QCOMPARE(view.Lines()->model()->rowCount(), 0);
    QVERIFY(view.Heading().startsWith(QStringLiteral("unicorn：0 处")));
    QCOMPARE(fixture.port.messages, (std::vector<std::string>{"文档中没有单词“unicorn”！"}));
    QVERIFY(!view.Find("ConcordanceExport")->isEnabled());
  }

  void AChangedDocumentShowsNoContexts() {
    WindowFixture fixture;
    fixture.Count(kSample);
    ConcordanceView view(fixture);
    fixture.WriteFile(u"sample.txt", "A different cat altogether, and longer.\r\n");
    PlaceCursorOn(fixture, QStringLiteral("cat"));
    fixture.Choose("c3");
    QVERIFY(view.window.isVisible());
    QCOMPARE(view.Lines()->model()->rowCount(), 0);
    QVERIFY(view.Heading().contains(QStringLiteral("已被修改")));
    QCOMPARE(fixture.port.messages.size(), size_t{1});
    QVERIFY(QString::fromStdString(fixture.port.messages[0]).contains(QStringLiteral("已被修改")));
  }

  // Before any counting run the commands ask for a document; a new run closes the window, whose
  // lines belong to the old document.
  void FollowsTheCountingRuns() {
    WindowFixture fixture;
    ConcordanceView view(fixture);
    fixture.Choose("c3");
    QVERIFY(!view.window.isVisible());
    QCOMPARE(fixture.port.messages, (std::vector<std::string>{"请打开一个文件进行分析！"}));

    fixture.Count(kSample);
    PlaceCursorOn(fixture, QStringLiteral("cat"));
    fixture.Choose("c3");
    QVERIFY(view.window.isVisible());
    fixture.Count("Zebra.\r\n");
    QVERIFY(!view.window.isVisible());
  }
};

QTEST_MAIN(ConcordanceWindowTest)
#include "ConcordanceWindowTest.moc"
