// The main window driven through its group bar, toolbar and popup menu with a scripted port.
#include <QRegularExpression>
#include <QTest>
#include <algorithm>

#include "WindowFixture.h"
#include "app/Uoption.h"
#include "app/ViewText.h"
#include "app/unitabout.h"
#include "dicttools/untdicttools.h"
#include "morphology/pstemming.h"
#include "text/CodePage936.h"

using tarn::DialogChoice;
using tarn::testing::WindowFixture;

namespace {

const char* const kSample =
    "The cats sat on the mat.\r\nCats like books about cats and categories.\r\n";
const QString kGuard = QStringLiteral("请打开一个文件进行分析！");

QString FirstLine(const QString& text) { return text.section(u'\n', 0, 0); }

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void StartsWithTheHelpTextAndBothTitles() {
    tarn::testing::FakeUserPort port;
    QTemporaryDir folder;
    Tmainfrm window(port,
                    {TARN_DICT_DIR, folder.filePath(QStringLiteral("none.txt")).toStdString()});
    QCOMPARE(window.windowTitle(), QStringLiteral("Tarn 英语词频统计4.0版"));
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("TARN 英语词频统计" TARN_EXPECTED_VERSION "版"));
    QCOMPARE(window.size(), QSize(802, 574));

    WindowFixture fixture;
    QCOMPARE(fixture.ViewText(), QStringLiteral("Tarn help text\nsecond line\n"));
    QVERIFY(fixture.port.messages.empty());
  }

  void EveryAnalysisCommandRefusesBeforeTheFirstCount() {
    WindowFixture fixture;
    const char* const guarded[] = {"RzGroup1Items2", "RzGroup1Items5", "RzGroup1Items3",
                                   "RzGroup1Items4", "RzGroup2Items0", "RzGroup2Items1",
                                   "RzGroup2Items2", "RzGroup2Items3", "RzGroup3Items2"};
    for (const char* name : guarded) {
      fixture.port.messages.clear();
      fixture.Click(name);
      QCOMPARE(fixture.port.messages.size(), size_t(1));
      QCOMPARE(QString::fromStdString(fixture.port.messages[0]), kGuard);
      QCOMPARE(fixture.ViewText(), QStringLiteral("Tarn help text\nsecond line\n"));
    }
  }

  void CountingShowsTheListingAndTheSummaryLines() {
    WindowFixture fixture;
    fixture.Count(kSample);
    QCOMPARE(fixture.port.open_requests.size(), size_t(1));
    QVERIFY(fixture.ViewText().contains(QStringLiteral("cats                \t3")));
    QCOMPARE(fixture.Summary().count(u'\n'), 3);
    QVERIFY(fixture.Summary().startsWith(QStringLiteral("该文档共有单词数：13\n")));
    QVERIFY(fixture.port.messages.empty());
  }

  // Each view and sort leaves the view showing exactly the session's text.
  void ViewsAndSortsMirrorTheSession_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("first_line");
    QTest::newRow("all words") << "RzGroup1Items2" << QString();
    QTest::newRow("merged") << "RzGroup1Items5"
                            << "cat                 \t3";
    QTest::newRow("filtered") << "RzGroup1Items3" << QString();
    QTest::newRow("filtered merged") << "RzGroup1Items4" << QString();
    QTest::newRow("word ascending") << "RzGroup2Items0"
                                    << "books               \t1";
    QTest::newRow("word descending") << "RzGroup2Items1"
                                     << "sat                 \t1";
    QTest::newRow("count ascending") << "RzGroup2Items2" << QString();
    QTest::newRow("count descending") << "RzGroup2Items3"
                                      << "cats                \t3";
  }
  void ViewsAndSortsMirrorTheSession() {
    QFETCH(QString, item);
    QFETCH(QString, first_line);
    WindowFixture fixture;
    fixture.Count(kSample);
    fixture.Click(item.toUtf8().constData());
    QVERIFY(fixture.port.messages.empty());
    const auto& state = fixture.main().Session().State();
    QCOMPARE(fixture.ViewText(), tarn::app::ViewTextFromState(state.text_view));
    QCOMPARE(fixture.Summary(), QString::fromStdString(state.summary_label).replace(u'\r', u'\n'));
    if (!first_line.isEmpty()) QCOMPARE(FirstLine(fixture.ViewText()), first_line);
  }

  void ExportAndSaveWriteTheViewWithTheUsersEdits() {
    WindowFixture fixture;
    fixture.Count(kSample);
    fixture.Click("RzGroup2Items3");
    auto* view = fixture.Find<QPlainTextEdit>("RichEdit1");
    view->setPlainText(QStringLiteral("edited\t1\n猫\t2\n"));

    fixture.port.save_answers.push_back(DialogChoice{fixture.Path(u"list"), 1});
    fixture.Click("RzGroup3Items0");
    QCOMPARE(fixture.ReadFile(u"list.Xls"), QByteArray("edited\t1\r\n\xC3\xA8\t2\r\n"));

    fixture.port.save_answers.push_back(DialogChoice{fixture.Path(u"words"), 2});
    fixture.Click("RzGroup3Items1");
    QVERIFY(fixture.ReadFile(u"words.txt").startsWith("edited\r\n"));

    fixture.port.save_answers.push_back(DialogChoice{fixture.Path(u"saved"), 1});
    fixture.Choose("N12");
    QVERIFY(fixture.ReadFile(u"saved.txt").startsWith("edited"));
    QVERIFY(fixture.port.messages.empty());
    // Writing leaves the view as the user left it.
    QCOMPARE(fixture.ViewText(), QStringLiteral("edited\t1\n猫\t2\n"));
  }

  // The study list follows what the listing's words stand for: after the merged view cat is
  // cats too, after the all-words view it is only itself.
  void StudyListFollowsTheViewAndTheUsersEdits() {
    WindowFixture fixture;
    fixture.Count("A cat sat.\r\nThe cats sat on the mat.\r\nCats like cats.\r\n");
    fixture.Click("RzGroup1Items5");
    const auto* item = fixture.Find<QAbstractButton>("RzGroup3Items2");
    QVERIFY(item != nullptr && item->isVisible());
    QCOMPARE(item->text(), QStringLiteral("导出生词本"));
    fixture.Find<QPlainTextEdit>("RichEdit1")->setPlainText(QStringLiteral("cat\t4\nmat\t1\n"));
    fixture.port.save_answers.push_back(DialogChoice{fixture.Path(u"study"), 1});
    fixture.Click("RzGroup3Items2");
    QVERIFY(fixture.port.messages.empty());
    QCOMPARE(fixture.port.save_requests.back().filter, std::string("生词本(*.tsv)|*.tsv"));
    const QList<QByteArray> notes = fixture.ReadFile(u"study.tsv").split('\n');
    QCOMPARE(notes.size(), 3 + 2 + 1);
    QVERIFY(notes[3].startsWith("cat\t4\t"));
    QVERIFY(notes[3].endsWith("\tA <b>cat</b> sat.\tcats, cat"));
    QVERIFY(notes[4].endsWith("\tThe cats sat on the <b>mat</b>.\tmat"));
    QVERIFY(fixture.ReadFile(u"study.csv").startsWith("\xEF\xBB\xBF"));
    QCOMPARE(fixture.ViewText(), QStringLiteral("cat\t4\nmat\t1\n"));

    fixture.Click("RzGroup1Items2");
    fixture.Find<QPlainTextEdit>("RichEdit1")->setPlainText(QStringLiteral("cat\t1\n"));
    fixture.port.save_answers.push_back(DialogChoice{fixture.Path(u"study"), 1});
    fixture.Click("RzGroup3Items2");
    QVERIFY(fixture.ReadFile(u"study.tsv").endsWith("\tA <b>cat</b> sat.\tcat\n"));
  }

  void HelpAfterACountKeepsTheStatisticsForTheSorts() {
    WindowFixture fixture;
    fixture.Count(kSample);
    const QString summary = fixture.Summary();
    fixture.Click("RzGroup4Items1");
    QCOMPARE(fixture.ViewText(), QStringLiteral("Tarn help text\nsecond line\n"));
    QCOMPARE(fixture.Summary(), summary);
    fixture.Click("RzGroup2Items3");
    QCOMPARE(FirstLine(fixture.ViewText()), QStringLiteral("cats                \t3"));
  }

  void MissingHelpIsReportedAndLeavesTheView() {
    WindowFixture fixture;
    fixture.Count(kSample);
    const QString listing = fixture.ViewText();
    QVERIFY(QFile::remove(QString::fromStdString(fixture.Path(u"help.txt"))));
    fixture.Click("RzGroup4Items1");
    QCOMPARE(fixture.port.messages.size(), size_t(1));
    QVERIFY(QString::fromStdString(fixture.port.messages[0])
                .startsWith(QStringLiteral("Cannot open file \"")));
    QCOMPARE(fixture.ViewText(), listing);
  }

  void AFailedStartReportsOnceAndCountingStillWorks() {
    QTemporaryDir empty;
    WindowFixture fixture(empty.path().toStdString());
    QCOMPARE(fixture.port.messages.size(), size_t(1));
    QVERIFY(fixture.port.messages[0].find("compare.txt") != std::string::npos);
    QCOMPARE(fixture.ViewText(), QString());  // the help text is one of the skipped steps
    fixture.port.messages.clear();
    fixture.Count(kSample);
    QVERIFY(fixture.port.messages.empty());
    QVERIFY(fixture.ViewText().contains(QStringLiteral("the                 \t2")));
  }

  // The shipped help: code page 936 with CR LF, one paragraph a line (the view wraps), the
  // platform's paths, every document kind, and examples that are what the program does.
  void ShippedHelpSaysWhatTheProgramDoes() {
    QFile file(QStringLiteral(TARN_HELP_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::string bytes = file.readAll().toStdString();
    QVERIFY(bytes.size() > 2 && bytes.substr(bytes.size() - 2) == "\r\n");
    QCOMPARE(tarn::Utf16ToCp936(tarn::Cp936ToUtf16(bytes)), bytes);
    const QString help = tarn::app::ViewTextFromState(bytes);
    QCOMPARE(std::count(bytes.begin(), bytes.end(), '\r'),
             std::count(bytes.begin(), bytes.end(), '\n'));
    QVERIFY(!help.contains(u'\\'));
    for (const QString& kind : {QStringLiteral("（.txt，"), QStringLiteral("（.doc，"),
                                QStringLiteral("（.docx）"), QStringLiteral("（.odt）")}) {
      QVERIFY2(help.contains(kind), qPrintable(kind));
    }

    WindowFixture fixture;
    const tarn::MainSession& session = fixture.main().Session();
    const QRegularExpression pair(QStringLiteral("([a-z]+(?:、[a-z]+)*) → ([a-z]+)"));
    int examples = 0;
    for (const QString& line : help.split(u'\n')) {
      // A line that long which stops mid-sentence was wrapped by hand.
      QVERIFY2(line.size() <= 40 || QStringLiteral("。：）").contains(line.back()),
               qPrintable(line));
      const bool roots = line.startsWith(QStringLiteral("归并词根"));
      for (const QRegularExpressionMatch& match : pair.globalMatch(line)) {
        for (const QString& word : match.captured(1).split(u'、')) {
          const std::string cp936 = word.toStdString();
          const std::string reduced = roots ? tarn::RootWord(cp936, session.Words().Reducers())
                                            : session.BaseFormCommand(cp936);
          QCOMPARE(QString::fromStdString(reduced), match.captured(2));
          ++examples;
        }
      }
    }
    QVERIFY(examples >= 15);
  }

  void PopupViewersAndTheBaseFormButton() {
    WindowFixture fixture;
    fixture.Count(kSample);
    fixture.Choose("c2");
    QVERIFY(fixture.ViewText().contains(QStringLiteral("the\n")));
    QCOMPARE(fixture.Summary(), QString());
    fixture.Choose("N5");
    QVERIFY(!fixture.ViewText().isEmpty());

    fixture.Find<QLineEdit>("RzEdit1")->setText(QStringLiteral("went"));
    fixture.Click("RzToolButton1");
    QCOMPARE(fixture.Find<QLineEdit>("RzEdit1")->text(), QStringLiteral("go"));

    fixture.port.clipboard = "dogs and dogs";
    fixture.Click("RzGroup1Items1");
    QVERIFY(fixture.ViewText().contains(QStringLiteral("dogs                \t2")));
  }

  void HiddenItemsStayHidden() {
    WindowFixture fixture;
    fixture.Count(kSample);
    for (const char* item : {"RzGroup1Items2", "RzGroup2Items3", "RzGroup4Items1"})
      fixture.Click(item);
    QVERIFY(!fixture.Find("RzGroup1Items6")->isVisible());
    QVERIFY(fixture.Find("RzGroup1Items7")->isVisible());
    auto* popup = fixture.Find<QMenu>("PopupMenu1");
    QStringList shown;
    for (QAction* action : popup->actions()) {
      shown << (action->isSeparator() ? QStringLiteral("-")
                : action->isVisible() ? action->text()
                                      : QString());
    }
    shown.removeAll(QString());
    QCOMPARE(shown, (QStringList{QStringLiteral("查看过略词表"), QStringLiteral("查看停用词表"),
                                 QStringLiteral("-"), QStringLiteral("词典工具"),
                                 QStringLiteral("载入新的过略词表"), QStringLiteral("-"),
                                 QStringLiteral("保存当前词表"), QStringLiteral("归并词根"),
                                 QStringLiteral("-"), QStringLiteral("查看上下文"),
                                 QStringLiteral("-"), QStringLiteral("加入熟词本"),
                                 QStringLiteral("移出熟词本"), QStringLiteral("我的熟词本")}));
    QCOMPARE(popup->actions().size(), 18);
  }

  void AboutAndDictionaryToolsWindows() {
    WindowFixture fixture;
    fixture.Click("RzGroup4Items2");
    fixture.Click("RzGroup4Items2");
    const auto abouts = QApplication::topLevelWidgets();
    int visible_abouts = 0;
    for (QWidget* widget : abouts)
      visible_abouts += qobject_cast<TFrmAbout*>(widget) && widget->isVisible();
    QCOMPARE(visible_abouts, 1);
    auto* version =
        fixture.windows->about().findChild<QLabel*>(QStringLiteral("RzVersionInfoStatus1"));
    QCOMPARE(version->text(), QStringLiteral("当前版本：" TARN_EXPECTED_VERSION));
    fixture.windows->about().close();
    QVERIFY(!fixture.windows->about().isVisible());

    fixture.Click("RzGroup1Items7");
    QVERIFY(fixture.windows->dicttools().isVisible());
    fixture.Choose("N10");
    QCOMPARE(fixture.port.messages.size(), size_t(1));
    QCOMPARE(fixture.port.messages[0], std::string("Cannot make a visible window modal."));
    QVERIFY(fixture.windows->dicttools().isVisible());
    QVERIFY(!fixture.windows->dicttools().isModal());
    QVERIFY(!fixture.windows->option().isVisible());
  }

  void ExitClosesTheMainWindow() {
    WindowFixture fixture;
    bool closed = false;
    QObject::connect(&fixture.main(), &Tmainfrm::Closed, &fixture.main(),
                     [&closed] { closed = true; });
    fixture.Click("RzGroup4Items3");
    QVERIFY(closed);
    QVERIFY(!fixture.main().isVisible());
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
