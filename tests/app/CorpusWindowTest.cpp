// Counting many documents from the main window: the choice of files or a folder, the corpus
// summary, the corpus listing window with its sorts, copy and export, and the progress dialog
// with its cancel.
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <vector>

#include "WindowFixture.h"
#include "app/RunProgressDialog.h"
#include "corpus/CorpusWindow.h"
#include "text/CodePage936.h"

using tarn::testing::WindowFixture;

namespace {

const QString kNoCorpus = QStringLiteral("请先打开多个文件并统计！");

// Chooses "打开多个文件并统计" and then the files `paths`.
void CountFiles(WindowFixture& fixture, const std::vector<std::string>& paths) {
  fixture.Click("RzGroup1Items8");
  fixture.port.open_files_answers.push_back(paths);
  fixture.Choose("CorpusFiles");
}

// Counts three texts of 3, 2 and 5 running words as a corpus (apple 3 in two of them, pear 5 in
// two, fig and plum once each) and opens the corpus listing.
void ShowThreeTexts(WindowFixture& fixture) {
  fixture.WriteFile(u"a.txt", "apple pear apple\r\n");
  fixture.WriteFile(u"b.txt", "apple fig\r\n");
  fixture.WriteFile(u"c.txt", "pear pear pear pear plum\r\n");
  CountFiles(fixture, {fixture.Path(u"a.txt"), fixture.Path(u"b.txt"), fixture.Path(u"c.txt")});
  fixture.Click("CorpusListingButton");
}

// Cancels the run about to start as soon as its dialog waits for it.
void CancelTheNextRun(WindowFixture& fixture) {
  QTimer::singleShot(0, &fixture.main(), [&fixture] {
    fixture.Find<QPushButton>("RunCancelButton")->click();
  });
}

QTableView* Table(WindowFixture& fixture) {
  return fixture.windows->corpus().findChild<QTableView*>(QStringLiteral("CorpusTable"));
}

QString Cell(QTableView* table, int row, int column) {
  return table->model()->index(row, column).data().toString();
}

QStringList Column(QTableView* table, int column) {
  QStringList cells;
  for (int row = 0; row < table->model()->rowCount(); ++row) cells << Cell(table, row, column);
  return cells;
}

// What the progress dialog shows: its files line and whether its bar is full.
QString ProgressFiles(WindowFixture& fixture) {
  return fixture.Find<QLabel>("RunProgressFiles")->text();
}
bool ProgressFull(WindowFixture& fixture) {
  auto* bar = fixture.Find<QProgressBar>("RunProgressBar");
  return bar->value() == bar->maximum();
}

}  // namespace

class CorpusWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The corpus summary replaces the document's, the progress ends full, and the listing window
  // shows each word's count, range and DP (Σ|v−s|/2 over texts of 3, 2 and 5 words).
  void TheCorpusRunFillsTheSummaryAndTheListingWindow() {
    WindowFixture fixture;
    QVERIFY(!fixture.Find("CorpusListingButton")->isVisible());
    fixture.Click("CorpusListingButton");
    QCOMPARE(fixture.port.messages, std::vector<std::string>{kNoCorpus.toStdString()});
    fixture.port.messages.clear();

    ShowThreeTexts(fixture);
    QVERIFY(fixture.Find("CorpusListingButton")->isVisible());
    QVERIFY(fixture.port.messages.empty());
    QVERIFY(fixture.Summary().startsWith(QStringLiteral("该文档共有单词数：10\n")));
    QVERIFY(fixture.Summary().endsWith(QStringLiteral("该语料共有文本数：3\n未能统计的文件数：0")));
    QCOMPARE(ProgressFiles(fixture), QStringLiteral("已统计文件：3 / 3"));
    QVERIFY(ProgressFull(fixture));
    QVERIFY(!fixture.Find<QWidget>("RunProgressDialog")->isVisible());
    QVERIFY(fixture.windows->corpus().isVisible());
    QTableView* table = Table(fixture);
    QCOMPARE(table->model()->rowCount(), 4);
    QMap<QString, QString> rows;
    for (int row = 0; row < 4; ++row) {
      rows[Cell(table, row, 0)] =
          Cell(table, row, 1) + u' ' + Cell(table, row, 2) + u' ' + Cell(table, row, 3);
    }
    QCOMPARE(rows.value(QStringLiteral("apple")), QStringLiteral("3 2 0.500"));
    QCOMPARE(rows.value(QStringLiteral("pear")), QStringLiteral("5 2 0.300"));
    QCOMPARE(rows.value(QStringLiteral("fig")), QStringLiteral("1 1 0.800"));
    QCOMPARE(rows.value(QStringLiteral("plum")), QStringLiteral("1 1 0.500"));
    QVERIFY(fixture.port.messages.empty());
  }

  // A click on a header sorts by its column, a second click the other way; ties keep the
  // listing order either way.
  void EachColumnSorts() {
    WindowFixture fixture;
    ShowThreeTexts(fixture);
    QTableView* table = Table(fixture);
    const QStringList listing = Column(table, 0);
    QHeaderView* header = table->horizontalHeader();
    const auto click = [&](int column) {
      QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                        QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    };
    const auto before = [&](const QString& a, const QString& b) {
      return listing.indexOf(a) < listing.indexOf(b);
    };
    // The words of equal counts, ranges or DPs, in listing order.
    const QStringList ones = before(QStringLiteral("fig"), QStringLiteral("plum"))
                                 ? QStringList{QStringLiteral("fig"), QStringLiteral("plum")}
                                 : QStringList{QStringLiteral("plum"), QStringLiteral("fig")};
    const QStringList twos = before(QStringLiteral("apple"), QStringLiteral("pear"))
                                 ? QStringList{QStringLiteral("apple"), QStringLiteral("pear")}
                                 : QStringList{QStringLiteral("pear"), QStringLiteral("apple")};
    const QStringList halves = before(QStringLiteral("apple"), QStringLiteral("plum"))
                                   ? QStringList{QStringLiteral("apple"), QStringLiteral("plum")}
                                   : QStringList{QStringLiteral("plum"), QStringLiteral("apple")};
    const QString apple = QStringLiteral("apple"), pear = QStringLiteral("pear");
    const QString fig = QStringLiteral("fig"), plum = QStringLiteral("plum");

    click(0);
    QCOMPARE(Column(table, 0), (QStringList{apple, fig, pear, plum}));
    click(0);
    QCOMPARE(Column(table, 0), (QStringList{plum, pear, fig, apple}));
    click(1);
    QCOMPARE(Column(table, 0), (ones + QStringList{apple, pear}));
    click(1);
    QCOMPARE(Column(table, 0), (QStringList{pear, apple} + ones));
    click(2);
    QCOMPARE(Column(table, 0), (ones + twos));
    click(2);
    QCOMPARE(Column(table, 0), (twos + ones));
    click(3);
    QCOMPARE(Column(table, 0), (QStringList{pear} + halves + QStringList{fig}));
    click(3);
    QCOMPARE(Column(table, 0), (QStringList{fig} + halves + QStringList{pear}));
  }

  // The selected rows go to the clipboard as shown; the export writes the whole table, its
  // column names first, to NAME.txt in code page 936 with CR LF.
  void CopyAndExportTakeTheRowsAsShown() {
    WindowFixture fixture;
    ShowThreeTexts(fixture);
    QTableView* table = Table(fixture);
    table->sortByColumn(1, Qt::DescendingOrder);
    table->selectRow(0);
    table->selectionModel()->select(table->model()->index(1, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    fixture.windows->corpus().findChild<QPushButton*>(QStringLiteral("CorpusCopyButton"))->click();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("pear\t5\t2\t0.300\napple\t3\t2\t0.500\n"));

    fixture.port.save_answers.push_back(tarn::DialogChoice{fixture.Path(u"words"), 1});
    fixture.windows->corpus().findChild<QPushButton*>(QStringLiteral("CorpusExportButton"))->click();
    const QByteArray written = fixture.ReadFile(u"words.txt");
    const QString text = QString::fromStdU16String(tarn::Cp936ToUtf16(written.toStdString()));
    QVERIFY(text.startsWith(QStringLiteral("单词\t频次\t文本数\tDP\r\npear\t5\t2\t0.300\r\n"
                                           "apple\t3\t2\t0.500\r\n")));
    QCOMPARE(text.count(QStringLiteral("\r\n")), 5);
    QVERIFY(fixture.port.messages.empty());
  }

  // A folder's documents count, subfolders too; a file that cannot be read is named in the
  // message at the end and in the summary, and the rest still count.
  void AFolderCountsAndItsUnreadableFileIsListed() {
    WindowFixture fixture;
    QDir(fixture.folder.path()).mkpath(QStringLiteral("books/more"));
    fixture.WriteFile(u"books/a.txt", "apple pear\r\n");
    fixture.WriteFile(u"books/more/b.txt", "apple fig\r\n");
    fixture.WriteFile(u"books/data.txt", std::string("\0\1\2binary", 9));
    fixture.Click("RzGroup1Items8");
    fixture.port.folder_answers.push_back(fixture.Path(u"books"));
    fixture.Choose("CorpusFolder");
    const std::string bad = fixture.Path(u"books/data.txt");
    QCOMPARE(fixture.port.messages.size(), size_t(1));
    QVERIFY(QString::fromStdString(fixture.port.messages[0]).contains(QString::fromStdString(bad)));
    QVERIFY(fixture.Summary().contains(QStringLiteral("该语料共有文本数：2\n未能统计的文件数：1\n"
                                                      "未能统计的文件：\n    “") +
                                       QString::fromStdString(bad)));
    fixture.Click("CorpusListingButton");
    QCOMPARE(Table(fixture)->model()->rowCount(), 3);
  }

  // A cancelled run, of a corpus or of a large document, leaves the statistics, the view, the
  // summary and the corpus listing as they were.
  void CancelLeavesEverythingAsItWas_data() {
    QTest::addColumn<bool>("corpus");
    QTest::newRow("corpus") << true;
    QTest::newRow("large document") << false;
  }
  void CancelLeavesEverythingAsItWas() {
    QFETCH(bool, corpus);
    WindowFixture fixture;
    ShowThreeTexts(fixture);
    const QString view = fixture.ViewText();
    const QString summary = fixture.Summary();
    const QStringList words = Column(Table(fixture), 0);
    const uint64_t runs = fixture.main().Session().State().completed_runs;

    fixture.WriteFile(u"other.txt", "zebra zebra\r\n");
    CancelTheNextRun(fixture);
    if (corpus) {
      CountFiles(fixture, {fixture.Path(u"other.txt")});
    } else {
      fixture.main().SetLargeFileBytes(0);
      fixture.port.open_answers.push_back(tarn::DialogChoice{fixture.Path(u"other.txt"), 1});
      fixture.Click("RzGroup1Items0");
    }
    QCOMPARE(fixture.ViewText(), view);
    QCOMPARE(fixture.Summary(), summary);
    QCOMPARE(fixture.main().Session().State().completed_runs, runs);
    QVERIFY(fixture.windows->corpus().isVisible());
    QCOMPARE(Column(Table(fixture), 0), words);
    QVERIFY(!fixture.Find<QWidget>("RunProgressDialog")->isVisible());
    QVERIFY(fixture.port.messages.empty());

    // The corpus listing still answers for the corpus.
    fixture.Click("CorpusListingButton");
    QVERIFY(fixture.port.messages.empty());
  }

  // A document above the size limit counts behind the progress dialog into what the plain run
  // gives; the corpus listing then has no corpus to show.
  void ALargeDocumentCountsAsTheSmallOnesDo() {
    WindowFixture fixture;
    ShowThreeTexts(fixture);
    fixture.Count("The cats sat on the mat.\r\nCats like cats.\r\n");
    QVERIFY(!fixture.windows->corpus().isVisible());
    const QString view = fixture.ViewText();
    const QString summary = fixture.Summary();

    fixture.main().SetLargeFileBytes(0);
    fixture.port.open_answers.push_back(tarn::DialogChoice{fixture.Path(u"sample.txt"), 1});
    fixture.Click("RzGroup1Items0");
    QCOMPARE(fixture.ViewText(), view);
    QCOMPARE(fixture.Summary(), summary);
    QCOMPARE(ProgressFiles(fixture), QStringLiteral("已统计文件：1 / 1"));
    QVERIFY(ProgressFull(fixture));
    QVERIFY(!fixture.Find("CorpusListingButton")->isVisible());
    fixture.Click("CorpusListingButton");
    QCOMPARE(fixture.port.messages, std::vector<std::string>{kNoCorpus.toStdString()});
  }

  // 关键词 asks for a counted document first; then each reference lists the document's keywords
  // in the text view, and a cancelled choice of reference changes nothing.
  void KeywordsAgainstEachReference() {
    WindowFixture fixture;
    fixture.Click("RzGroup5Items2");
    QCOMPARE(fixture.port.messages, std::vector<std::string>{"请打开一个文件进行分析！"});
    QVERIFY(!fixture.Find<QWidget>("KeywordsMenu")->isVisible());
    fixture.port.messages.clear();

    fixture.Count("zebra zebra zebra the cat\r\n");
    fixture.WriteFile(u"reference.txt", "cat cat cat dog\r\n");
    QDir(QString::fromStdString(fixture.Path(u"shelf"))).mkpath(QStringLiteral("."));
    fixture.WriteFile(u"shelf/reference.txt", "cat cat cat dog\r\n");
    const auto keyword_words = [&] {
      QStringList words;
      for (const QString& line : fixture.ViewText().split(u'\n', Qt::SkipEmptyParts)) {
        words << line.section(u'\t', 0, 2);
      }
      return words;
    };

    fixture.Choose("KeywordsSpoken");  // zebra: 128 times in the spoken counts
    QCOMPARE(keyword_words(), QStringList{QStringLiteral("zebra\t3\t128")});
    fixture.port.open_files_answers.push_back(
        std::vector<std::string>{fixture.Path(u"reference.txt")});
    fixture.Choose("KeywordsFiles");
    QCOMPARE(keyword_words(), QStringList{QStringLiteral("zebra\t3\t0")});
    const QString against_files = fixture.ViewText();
    fixture.port.folder_answers.push_back(fixture.Path(u"shelf"));
    fixture.Choose("KeywordsFolder");
    QCOMPARE(fixture.ViewText(), against_files);

    fixture.Click("RzGroup1Items2");
    const QString listing = fixture.ViewText();
    fixture.port.open_files_answers.push_back(std::nullopt);
    fixture.Choose("KeywordsFiles");
    fixture.port.folder_answers.push_back(std::nullopt);
    fixture.Choose("KeywordsFolder");
    QCOMPARE(fixture.ViewText(), listing);
    QVERIFY(fixture.port.messages.empty());
  }
};

QTEST_MAIN(CorpusWindowTest)
#include "CorpusWindowTest.moc"
