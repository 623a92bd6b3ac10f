// "我的熟词本" in the desktop program: marking words of the text view through the popup menu,
// the beyond view updated at once, importing a word list or an exam level, exporting, and a
// list that cannot be used.
#include <stdlib.h>

#include <QComboBox>
#include <QDialog>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "WindowFixture.h"
#include "known/KnownWordBook.h"
#include "profile/ProfileWindow.h"

using tarn::DialogChoice;
using tarn::testing::WindowFixture;

namespace {

// Words beyond 中考: dragon (dragons), castle, wizard.
const char* const kSample =
    "The dragons flew over the castle. A dragon is a dragon.\r\nThe wizard saw the castle.\r\n";

// A data folder of the test's own, set before the windows read the list.
class DataHome {
 public:
  DataHome() { ::setenv("XDG_DATA_HOME", QFile::encodeName(folder.path()).constData(), 1); }
  QString ListPath() const { return folder.filePath(QStringLiteral("tarn/我的熟词本.txt")); }
  QByteArray List() const {
    QFile file(ListPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
  }

  QTemporaryDir folder;
};

// Selects the lines `first` to `last` (0-based) of the text view.
void SelectLines(WindowFixture& fixture, int first, int last) {
  auto* view = fixture.Find<QPlainTextEdit>("RichEdit1");
  QTextCursor cursor(view->document()->findBlockByNumber(first));
  cursor.setPosition(view->document()->findBlockByNumber(last).position() + 2,
                     QTextCursor::KeepAnchor);
  view->setTextCursor(cursor);
}

// The words of the listing in the text view.
QStringList ListedWords(WindowFixture& fixture) {
  QStringList words;
  for (const QString& line : fixture.ViewText().split(u'\n', Qt::SkipEmptyParts)) {
    words << line.section(u' ', 0, 0).section(u'\t', 0, 0);
  }
  return words;
}

void ShowBeyond(WindowFixture& fixture, const QString& level) {
  fixture.Click("RzGroup5Items1");
  auto* combo = fixture.Find<QComboBox>("LevelCombo");
  combo->setCurrentIndex(combo->findText(level));
  fixture.Click("LevelOk");
}

}  // namespace

class KnownWordsWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void MarkingUpdatesTheBeyondViewAndTheListAtOnce() {
    DataHome data;
    WindowFixture fixture;
    QCOMPARE(data.List(), QByteArray());  // created empty at first use
    fixture.Count(kSample);
    ShowBeyond(fixture, QStringLiteral("考试 · 中考"));
    const QStringList before = ListedWords(fixture);
    QVERIFY2(before.contains(QStringLiteral("dragon")) && before.contains(QStringLiteral("castle")),
             qPrintable(before.join(u' ')));

    // The first two lines selected: both words go, the others stay.
    SelectLines(fixture, 0, 1);
    fixture.Choose("KnownAdd");
    const QStringList after = ListedWords(fixture);
    QCOMPARE(after.size(), before.size() - 2);
    QVERIFY(!after.contains(before[0]) && !after.contains(before[1]));
    QVERIFY(fixture.Summary().contains(QStringLiteral("超出中考的不同生词数：") +
                                       QString::number(before.size() - 2)));
    QCOMPARE(fixture.Find<QLabel>("RzStatusPane1")->text(),
             QStringLiteral("已加入熟词本的新词：2"));
    // The open profile window follows: a row 熟词 and the share known.
    fixture.Click("RzGroup5Items0");
    auto* verdict = fixture.windows->profile().findChild<QLabel*>(QStringLiteral("ProfileVerdict"));
    QVERIFY(verdict != nullptr && verdict->text().contains(QStringLiteral("你已认识全文 ")));
    QStringList marked = {before[0], before[1]};
    marked.sort();
    QCOMPARE(data.List(), (marked.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    QVERIFY(fixture.port.messages.empty());

    // In the list's own view, the word under the caret is removed.
    fixture.Choose("KnownShow");
    QCOMPARE(ListedWords(fixture), marked);
    auto* view = fixture.Find<QPlainTextEdit>("RichEdit1");
    view->setTextCursor(QTextCursor(view->document()->findBlockByNumber(1)));
    fixture.Choose("KnownRemove");
    QCOMPARE(data.List(), (marked[0] + QStringLiteral("\r\n")).toUtf8());
    QCOMPARE(fixture.Find<QLabel>("RzStatusPane1")->text(), QStringLiteral("已移出熟词本的词：1"));
  }

  void AWordOfACountedListingIsMarkedByItsBaseForm() {
    DataHome data;
    WindowFixture fixture;
    fixture.Count(kSample);
    fixture.Click("RzGroup1Items2");  // 查看全部单词统计: dragons is listed as written
    const int line = static_cast<int>(ListedWords(fixture).indexOf(QStringLiteral("dragons")));
    QVERIFY(line >= 0);
    auto* view = fixture.Find<QPlainTextEdit>("RichEdit1");
    view->setTextCursor(QTextCursor(view->document()->findBlockByNumber(line)));
    fixture.Choose("KnownAdd");
    QCOMPARE(data.List(), QByteArray("dragon\r\n"));
  }

  void ImportsAListAndAnExamLevelAndExportsTheList() {
    DataHome data;
    WindowFixture fixture;
    QVERIFY(fixture.Find<QAction>("KnownLevel-exam-2-gk") != nullptr);
    QCOMPARE(fixture.Find<QAction>("KnownLevel-exam-2-gk")->text(),
             QStringLiteral("我已掌握高考词汇"));

    fixture.WriteFile(u"mine.txt", "Castles\r\nwizards\r\n");
    fixture.port.open_answers.push_back(DialogChoice{fixture.Path(u"mine.txt"), 1});
    fixture.Choose("KnownImportList");
    QCOMPARE(data.List(), QByteArray("castle\r\nwizard\r\n"));

    fixture.Choose("KnownLevel-exam-1-zk");
    const QList<QByteArray> known = data.List().split('\n');
    QVERIFY2(known.size() > 1000, data.List().left(100).constData());
    QVERIFY(known.contains("go\r") && !known.contains("went\r"));

    fixture.port.save_answers.push_back(DialogChoice{fixture.Path(u"export"), 1});
    fixture.Choose("KnownExport");
    QCOMPARE(fixture.ReadFile(u"export.txt"), data.List());

    // A cancelled import changes nothing.
    const QByteArray before = data.List();
    fixture.port.open_answers.push_back(std::nullopt);
    fixture.Choose("KnownImportList");
    QCOMPARE(data.List(), before);
  }

  void TheStudyListLeavesTheKnownWordsOut() {
    DataHome data;
    WindowFixture fixture;
    fixture.Count(kSample);
    fixture.Click("RzGroup1Items5");  // 查看归并单词统计
    const int line = static_cast<int>(ListedWords(fixture).indexOf(QStringLiteral("dragon")));
    QVERIFY(line >= 0);
    auto* view = fixture.Find<QPlainTextEdit>("RichEdit1");
    view->setTextCursor(QTextCursor(view->document()->findBlockByNumber(line)));
    fixture.Choose("KnownAdd");
    fixture.port.save_answers.push_back(DialogChoice{fixture.Path(u"study"), 1});
    fixture.Choose("KnownExportStudy");
    const QString notes = QString::fromUtf8(fixture.ReadFile(u"study.tsv"));
    QVERIFY2(notes.contains(QStringLiteral("\ncastle\t")), qPrintable(notes));
    QVERIFY(!notes.contains(QStringLiteral("\ndragon\t")));
  }

  void AListThatIsNoWordListIsReportedAndLeftAlone() {
    DataHome data;
    QVERIFY(QDir().mkpath(data.folder.filePath(QStringLiteral("tarn"))));
    const QByteArray binary("\x89PNG\r\n\x1a\n\0\0\0", 11);
    {
      QFile file(data.ListPath());
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(binary);
    }
    WindowFixture fixture;
    QCOMPARE(fixture.port.messages.size(), size_t{1});
    QVERIFY(QString::fromStdString(fixture.port.messages[0])
                .contains(QStringLiteral("无法使用熟词本")));
    fixture.Count(kSample);
    ShowBeyond(fixture, QStringLiteral("考试 · 中考"));
    SelectLines(fixture, 0, 0);
    fixture.Choose("KnownAdd");
    QCOMPARE(fixture.port.messages.size(), size_t{2});
    QVERIFY(QString::fromStdString(fixture.port.messages[1]).contains(QStringLiteral("没有更改")));
    QCOMPARE(data.List(), binary);
    QVERIFY(ListedWords(fixture).contains(QStringLiteral("dragon")));
  }
};

QTEST_MAIN(KnownWordsWindowTest)
#include "KnownWordsWindowTest.moc"
