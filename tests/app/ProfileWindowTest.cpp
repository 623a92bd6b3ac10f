// The vocabulary profile in the desktop program: the profile window over a small dict folder of
// the test's own, its ladder switch, double-clicks and exports, and "超出等级的生词".
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <set>
#include <vector>

#include "WindowFixture.h"
#include "app/ViewText.h"
#include "profile/LevelLadder.h"
#include "profile/ProfileVerdict.h"
#include "profile/ProfileWindow.h"
#include "text/Utf8.h"

using tarn::DialogChoice;
using tarn::Ladder;
using tarn::ProfileRow;
using tarn::VocabularyProfile;
using tarn::testing::WindowFixture;

namespace {

// 4 stop words (the, is, a); cat 2, dog, went (go), home, zebra, book: 11 running words.
const char* const kSample = "The cat is a cat. The dog went home. Zebra book.\r\n";
const QString kGuard = QStringLiteral("请打开一个文件进行分析！");

// A dict folder with the shipped morphology tables, three stop words and level lists of a few
// words: each level's own words, every list holding the levels below it too. A level named in
// `missing` has no list.
class SmallDict {
 public:
  explicit SmallDict(std::set<std::string> missing = {}) {
    const QDir shipped(QStringLiteral(TARN_DICT_DIR));
    QDir(folder_.path()).mkpath(QStringLiteral("levels"));
    for (const char* table : {"1.dat", "2.dat", "3.dat", "4.dat"}) {
      QFile::copy(shipped.filePath(QString::fromUtf8(table)), Path(table));
    }
    Write("notword.txt", "the\r\nis\r\na\r\n");
    Write("compare.txt", "the\r\n");
    WriteLadder(Ladder::kExam, {{"cat", "dog"}, {"book", "go"}, {"home"}}, missing);
    WriteLadder(Ladder::kFrequency, {{"cat", "go", "home"}, {"dog"}}, missing);
  }

  std::string Folder() const { return folder_.path().toStdString(); }

 private:
  QString Path(const std::string& name) const {
    return folder_.filePath(QString::fromStdString(name));
  }

  void Write(const std::string& name, const std::string& bytes) const {
    QFile file(Path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }

  void WriteLadder(Ladder ladder, const std::vector<std::vector<std::string>>& own,
                   const std::set<std::string>& missing) const {
    std::string cumulative;
    const auto levels = tarn::LevelsOf(ladder);
    for (size_t i = 0; i < levels.size(); ++i) {
      if (i < own.size()) {
        for (const std::string& word : own[i]) cumulative += word + "\r\n";
      }
      if (missing.count(std::string(levels[i].label)) == 0) {
        Write(std::string(levels[i].file), cumulative);
      }
    }
  }

  QTemporaryDir folder_;
};

QStringList ExamLabels() {
  return {QStringLiteral("功能词"), QStringLiteral("专有名词"), QStringLiteral("中考"),
          QStringLiteral("高考"),   QStringLiteral("四级"),     QStringLiteral("六级"),
          QStringLiteral("考研"),   QStringLiteral("雅思"),     QStringLiteral("托福"),
          QStringLiteral("GRE"),    QStringLiteral("超纲词")};
}

// The profile window, its widgets found by name.
struct ProfileView {
  explicit ProfileView(WindowFixture& fixture) : window(fixture.windows->profile()) {}

  template <typename Widget = QWidget>
  Widget* Find(const char* name) const {
    return window.findChild<Widget*>(QString::fromUtf8(name));
  }
  QTableWidget* Table() const { return Find<QTableWidget>("ProfileTable"); }

  // The table's rows, the cells of each joined by TAB.
  QStringList Rows() const {
    QStringList rows;
    for (int row = 0; row < Table()->rowCount(); ++row) {
      QStringList cells;
      for (int column = 0; column < Table()->columnCount(); ++column)
        cells << Table()->item(row, column)->text();
      rows << cells.join(u'\t');
    }
    return rows;
  }
  QStringList Labels() const {
    QStringList labels;
    for (const QString& row : Rows()) labels << row.section(u'\t', 0, 0);
    return labels;
  }
  QString Text(const char* label_name) const { return Find<QLabel>(label_name)->text(); }

  void DoubleClickRow(int row) const {
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTableWidget* table = Table();
    const QRect cell = table->visualItemRect(table->item(row, 0));
    // A double-click is the second press of a click, as the system delivers it.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  }

  tarn::profile::ProfileWindow& window;
};

// A profile of the given rows (label, kind, share in tenths), its verdicts computed as the core
// computes them: the first level whose cumulative share reaches the mark.
VocabularyProfile MadeProfile(std::vector<std::pair<const char*, int>> levels, int stop_words,
                              int64_t total = 1000) {
  VocabularyProfile profile;
  profile.total_words = total;
  profile.rows.push_back({ProfileRow::Kind::kStopWords, "功能词", -1, 0, 0, stop_words});
  profile.rows.push_back({ProfileRow::Kind::kNames, "专有名词"});
  int cumulative = stop_words;
  for (const auto& [label, share] : levels) {
    profile.rows.push_back({ProfileRow::Kind::kLevel, label, 0, 0, 0, share});
    cumulative += share;
    if (profile.coverage95.empty() && cumulative >= 950) profile.coverage95 = label;
    if (profile.coverage98.empty() && cumulative >= 980) profile.coverage98 = label;
  }
  profile.rows.push_back({ProfileRow::Kind::kBeyond, "超纲词", -1, 0, 0, 1000 - cumulative});
  if (profile.coverage95.empty()) profile.coverage95 = "超纲词";
  if (profile.coverage98.empty()) profile.coverage98 = "超纲词";
  return profile;
}

}  // namespace

Q_DECLARE_METATYPE(VocabularyProfile)

class ProfileWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void ShowsTheTableAndVerdictOfTheCountedText() {
    SmallDict dict;
    WindowFixture fixture(dict.Folder());
    fixture.Count(kSample);
    fixture.Click("RzGroup5Items0");
    ProfileView view(fixture);
    QVERIFY(view.window.isVisible());
    QVERIFY(fixture.port.messages.empty());
    QCOMPARE(view.Rows(), (QStringList{
                              QStringLiteral("功能词\t3\t4\t36.3%\t36.3%"),
                              QStringLiteral("专有名词\t0\t0\t0.0%\t36.3%"),
                              QStringLiteral("中考\t2\t3\t27.3%\t63.6%"),
                              QStringLiteral("高考\t2\t2\t18.2%\t81.8%"),
                              QStringLiteral("四级\t1\t1\t9.1%\t90.9%"),
                              QStringLiteral("六级\t0\t0\t0.0%\t90.9%"),
                              QStringLiteral("考研\t0\t0\t0.0%\t90.9%"),
                              QStringLiteral("雅思\t0\t0\t0.0%\t90.9%"),
                              QStringLiteral("托福\t0\t0\t0.0%\t90.9%"),
                              QStringLiteral("GRE\t0\t0\t0.0%\t90.9%"),
                              QStringLiteral("超纲词\t1\t1\t9.1%\t100.0%"),
                          }));
    QCOMPARE(view.Text("ProfileVerdict"),
             QStringLiteral("掌握全部等级的词汇也只能覆盖本文 90.9% 的词次，达不到借助词典读懂"
                            "所需的 95%：这篇文章超纲词很多。"));
    QVERIFY(!view.Find("ProfileUnread")->isVisible());

    // A new counting run while the window is open shows the new document's profile.
    fixture.Count("Zebra zebra cat.\r\n");
    QCOMPARE(view.Rows().constFirst(), QStringLiteral("功能词\t0\t0\t0.0%\t0.0%"));
    QCOMPARE(view.Rows().constLast(), QStringLiteral("超纲词\t1\t2\t66.7%\t100.0%"));
    QVERIFY(fixture.port.messages.empty());
  }

  void TheSwitchChangesTheLadder() {
    SmallDict dict;
    WindowFixture fixture(dict.Folder());
    fixture.Count(kSample);
    fixture.Click("RzGroup5Items0");
    ProfileView view(fixture);
    view.Find<QRadioButton>("FrequencyLadderButton")->click();
    QStringList expected{QStringLiteral("功能词"), QStringLiteral("专有名词")};
    for (int k = 1; k <= 10; ++k) expected << QStringLiteral("K%1").arg(k);
    expected << QStringLiteral("超纲词");
    QCOMPARE(view.Labels(), expected);
    QCOMPARE(view.Rows()[2], QStringLiteral("K1\t3\t4\t36.3%\t72.7%"));
    QCOMPARE(view.Rows().constLast(), QStringLiteral("超纲词\t2\t2\t18.2%\t100.0%"));

    view.Find<QRadioButton>("ExamLadderButton")->click();
    QCOMPARE(view.Labels(), ExamLabels());
    QVERIFY(fixture.port.messages.empty());
  }

  // A double-click on a row puts its words into the main window's text view and summary, as
  // every view does; the stop words, gone since the counting run, change nothing.
  void DoubleClickListsTheRowsWordsInTheMainWindow() {
    SmallDict dict;
    WindowFixture fixture(dict.Folder());
    fixture.Count(kSample);
    fixture.Click("RzGroup5Items0");
    ProfileView view(fixture);

    view.DoubleClickRow(2);  // 中考
    QCOMPARE(fixture.ViewText(),
             QStringLiteral("cat                 \t2\ndog                 \t1\n"));
    const auto& state = fixture.main().Session().State();
    QCOMPARE(fixture.Summary(), QString::fromStdString(state.summary_label).replace(u'\r', u'\n'));
    QVERIFY(fixture.Summary().contains(QStringLiteral("中考单词总数：3")));

    view.DoubleClickRow(10);  // 超纲词
    QCOMPARE(fixture.ViewText(), QStringLiteral("zebra               \t1\n"));
    const QString summary = fixture.Summary();
    view.DoubleClickRow(0);  // 功能词
    QCOMPARE(fixture.ViewText(), QStringLiteral("zebra               \t1\n"));
    QCOMPARE(fixture.Summary(), summary);
    // The listing is the current result, so the sorts work on it.
    fixture.Click("RzGroup2Items0");
    QCOMPARE(fixture.ViewText(), QStringLiteral("zebra               \t1\n"));
    QVERIFY(fixture.port.messages.empty());
  }

  void ExportsWriteTheTableAndTheChartToTheChosenNames() {
    SmallDict dict;
    WindowFixture fixture(dict.Folder());
    fixture.Count(kSample);
    fixture.Click("RzGroup5Items0");
    ProfileView view(fixture);

    fixture.port.save_answers.push_back(DialogChoice{fixture.Path(u"profile"), 1});
    view.Find<QAbstractButton>("ExportTableButton")->click();
    const QByteArray table = fixture.ReadFile(u"profile.txt");
    QCOMPARE(fixture.port.save_requests.back().filter, std::string("文本文件(*.txt)|*.txt"));
    QVERIFY(table.startsWith(QByteArray::fromStdString(tarn::Utf8ToCp936(
        "等级\t不同词数\t词次\t比例\t累计比例\r\n功能词\t3\t4\t36.3%\t36.3%\r\n"))));
    QVERIFY(table.endsWith(QByteArray::fromStdString(
        tarn::Utf8ToCp936("超纲词\t1\t1\t9.1%\t100.0%\r\n\r\n95%\t超纲词\r\n98%\t超纲词\r\n"))));

    fixture.port.save_answers.push_back(DialogChoice{fixture.Path(u"chart"), 1});
    view.Find<QAbstractButton>("ExportChartButton")->click();
    QCOMPARE(fixture.port.save_requests.back().filter, std::string("PNG图片(*.png)|*.png"));
    QImage chart;
    QVERIFY(chart.loadFromData(fixture.ReadFile(u"chart.png"), "PNG"));
    QCOMPARE(chart.size(), view.Find("ProfileChart")->size());
    QVERIFY(!chart.isNull() && chart.width() > 200);

    // A cancelled dialog writes nothing; a folder that does not exist is an error report.
    fixture.port.save_answers.push_back(std::nullopt);
    view.Find<QAbstractButton>("ExportChartButton")->click();
    fixture.port.save_answers.push_back(DialogChoice{fixture.Path(u"none/chart"), 1});
    view.Find<QAbstractButton>("ExportChartButton")->click();
    QCOMPARE(fixture.port.messages.size(), size_t(1));
    QVERIFY(QString::fromStdString(fixture.port.messages[0]).contains(QStringLiteral("none")));
    QCOMPARE(QDir(QString::fromStdString(fixture.Path(u""))).entryList(QDir::Files).size(), 4);
  }

  void BeforeACountingRunBothItemsAskForADocument() {
    WindowFixture fixture;
    for (const char* item : {"RzGroup5Items0", "RzGroup5Items1"}) {
      fixture.port.messages.clear();
      fixture.Click(item);
      QCOMPARE(fixture.port.messages, std::vector<std::string>{kGuard.toStdString()});
      QCOMPARE(fixture.ViewText(), QStringLiteral("Tarn help text\nsecond line\n"));
    }
    QVERIFY(!fixture.windows->profile().isVisible());
    QVERIFY(fixture.Find("frmlevelchooser") == nullptr ||
            !fixture.Find("frmlevelchooser")->isVisible());
  }

  // A level whose list is missing is left out and named, once through the port and in the
  // window; the other levels are placed as before.
  void AMissingListIsNamedAndItsLevelLeftOut() {
    SmallDict dict({"高考"});
    WindowFixture fixture(dict.Folder());
    fixture.Count(kSample);
    fixture.Click("RzGroup5Items0");
    QCOMPARE(fixture.port.messages.size(), size_t(1));
    QVERIFY(
        QString::fromStdString(fixture.port.messages[0]).contains(QStringLiteral("exam-2-gk.txt")));
    ProfileView view(fixture);
    QVERIFY(view.window.isVisible());
    QStringList labels = ExamLabels();
    labels.removeAll(QStringLiteral("高考"));
    QCOMPARE(view.Labels(), labels);
    QCOMPARE(view.Rows()[2], QStringLiteral("中考\t2\t3\t27.3%\t63.6%"));
    // 高考's own words, book and go, are in 四级's list too.
    QCOMPARE(view.Rows()[3], QStringLiteral("四级\t3\t3\t27.3%\t90.9%"));
    QVERIFY(view.Find("ProfileUnread")->isVisible());
    QVERIFY(view.Text("ProfileUnread").contains(QStringLiteral("高考")));
    QVERIFY(view.Text("ProfileUnread").contains(QStringLiteral("exam-2-gk.txt")));

    fixture.Click("RzGroup5Items0");
    view.Find<QRadioButton>("FrequencyLadderButton")->click();
    QCOMPARE(fixture.port.messages.size(), size_t(1));
    QVERIFY(!view.Find("ProfileUnread")->isVisible());
  }

  // "超出等级的生词": the chosen level's view replaces the text view and summary; cancelling
  // leaves them.
  void BeyondALevelShowsTheChosenLevelsView_data() {
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("listing");
    QTest::addColumn<QString>("total");
    QTest::newRow("exam") << "考试 · 中考"
                          << "book                \t1\ngo                  \t1\n"
                             "home                \t1\nzebra               \t1\n"
                          << "超出中考的生词总数：4";
    QTest::newRow("frequency") << "词频 · K1"
                               << "book                \t1\ndog                 \t1\n"
                                  "zebra               \t1\n"
                               << "超出K1的生词总数：3";
  }
  void BeyondALevelShowsTheChosenLevelsView() {
    QFETCH(QString, level);
    QFETCH(QString, listing);
    QFETCH(QString, total);
    SmallDict dict;
    WindowFixture fixture(dict.Folder());
    fixture.Count(kSample);
    const QString counted = fixture.ViewText();

    fixture.Click("RzGroup5Items1");
    auto* chooser = fixture.Find<QDialog>("frmlevelchooser");
    QVERIFY(chooser != nullptr && chooser->isVisible());
    auto* combo = fixture.Find<QComboBox>("LevelCombo");
    QCOMPARE(combo->currentText(), QStringLiteral("考试 · 四级"));
    fixture.Click("LevelCancel");
    QVERIFY(!chooser->isVisible());
    QCOMPARE(fixture.ViewText(), counted);

    fixture.Click("RzGroup5Items1");
    combo->setCurrentIndex(combo->findText(level));
    QVERIFY(combo->currentIndex() >= 0);
    fixture.Click("LevelOk");
    QVERIFY(!chooser->isVisible());
    // Sorted by count, ties in table order; sort by word to compare.
    fixture.Click("RzGroup2Items0");
    QCOMPARE(fixture.ViewText(), listing);
    QVERIFY(fixture.Summary().contains(total));
    QVERIFY(fixture.port.messages.empty());

    // The choice stays for the next time.
    fixture.Click("RzGroup5Items1");
    QCOMPARE(combo->currentText(), level);
    fixture.Click("LevelCancel");
  }

  void TheVerdictIsOneSentence_data() {
    QTest::addColumn<VocabularyProfile>("profile");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("both marks, two levels")
        << MadeProfile({{"高考", 300}, {"四级", 110}, {"托福", 30}}, 550)
        << "掌握到四级词汇可覆盖本文 95% 的词次（借助词典可以读懂），掌握到托福词汇可覆盖 "
           "98%（可以独立阅读）。";
    QTest::newRow("both marks, one level")
        << MadeProfile({{"中考", 300}, {"高考", 190}}, 500)
        << "掌握到高考词汇即可覆盖本文 98% 的词次（可以独立阅读）。";
    QTest::newRow("95 % only")
        << MadeProfile({{"K1", 400}, {"K2", 100}}, 460)
        << "掌握到K2词汇可覆盖本文 95% 的词次（借助词典可以读懂）；掌握全部等级的词汇也只能"
           "覆盖 96.0%，达不到独立阅读所需的 98%。";
    QTest::newRow("no mark")
        << MadeProfile({{"中考", 300}}, 500)
        << "掌握全部等级的词汇也只能覆盖本文 80.0% 的词次，达不到借助词典读懂所需的 95%："
           "这篇文章超纲词很多。";
    QTest::newRow("no words") << MadeProfile({{"中考", 0}}, 0, 0) << "本文没有可以统计的单词。";
  }
  void TheVerdictIsOneSentence() {
    QFETCH(VocabularyProfile, profile);
    QFETCH(QString, sentence);
    QCOMPARE(QString::fromStdString(tarn::profile::VerdictSentence(profile)), sentence);
  }
};

QTEST_MAIN(ProfileWindowTest)
#include "ProfileWindowTest.moc"
