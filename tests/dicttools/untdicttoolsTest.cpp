#include <QLayout>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "dicttools/LineTextArea.h"
#include "dicttools/untdicttools.h"
#include "support/ErrorText.h"
#include "support/FakeUserPort.h"
#include "support/HexBytes.h"
#include "support/TempFolder.h"

namespace {

using tarn::DialogChoice;

// The scripted person, with the error reports kept apart from the messages.
class ScriptedPort : public tarn::testing::FakeUserPort {
 public:
  std::vector<std::string> errors;
  void ReportError(const std::string& message) override { errors.push_back(message); }
};

QString Q(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

constexpr std::string_view kAppleBookDat = "02 02 01 06 05 61 70 70 6C 65 06 04 62 6F 6F 6B 00";

}  // namespace

class DictToolsWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ScriptedPort> port_;
  std::unique_ptr<Tfrmdicttools> window_;

  QToolButton* Button(const char* name) const {
    auto* button = window_->findChild<QToolButton*>(QString::fromUtf8(name));
    if (button == nullptr) qFatal("no button %s", name);
    return button;
  }
  tarn::dicttools::LineTextArea* TextArea() const {
    return window_->findChild<tarn::dicttools::LineTextArea*>(QStringLiteral("TntRichEdit1"));
  }
  QLineEdit* Box(int n) const {
    return window_->findChild<QLineEdit*>(n == 1 ? QStringLiteral("TntEdit1")
                                                 : QStringLiteral("TntEdit2"));
  }
  // The text area's text, each line break as LF.
  QString Shown() const {
    return TextArea()->Text().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  }

 private Q_SLOTS:
  void init() {
    port_ = std::make_unique<ScriptedPort>();
    window_ = std::make_unique<Tfrmdicttools>(*port_);
  }
  void cleanup() {
    QCOMPARE(port_->busy_depth, 0);
    window_.reset();
    port_.reset();
  }

  void startsHiddenWithItsControlsInToolbarOrder() {
    QVERIFY(!window_->isVisible());
    QCOMPARE(window_->windowTitle(), QStringLiteral("frmdicttools"));
    window_->ShowModeless();
    QCOMPARE(window_->size(), QSize(976, 553));  // the toolbar fits without widening it
    window_->hide();
    QCOMPARE(Box(1)->text(), QStringLiteral("2"));
    QCOMPARE(Box(2)->text(), QStringLiteral("4"));
    QVERIFY(Shown().isEmpty());

    auto* toolbar = window_->findChild<QWidget*>(QStringLiteral("toolbar"));
    QVERIFY(toolbar != nullptr);
    QStringList order;
    for (int i = 0; i < toolbar->layout()->count(); ++i) {
      order << toolbar->layout()->itemAt(i)->widget()->objectName();
    }
    QCOMPARE(order.join(QLatin1Char(' ')),
             QStringLiteral("RzBitBtn5 RzBitBtn2 RzBitBtn1 RzBitBtn4 RzBitBtn12 RzBitBtn13 "
                            "RzBitBtn7 RzBitBtn8 RzBitBtn11 RzBitBtn14 RzBitBtn15 RzBitBtn19 "
                            "RzBitBtn18 RzBitBtn17 TntEdit1 TntEdit2 RzBitBtn3 RzBitBtn9 "
                            "RzBitBtn6 RzBitBtn10 RzBitBtn16"));
    // Every button shows its caption under a glyph; the caption may wrap onto two lines.
    for (QToolButton* button : toolbar->findChildren<QToolButton*>()) {
      QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
      QVERIFY(!button->icon().isNull());
      QCOMPARE(QString(button->text()).remove(QLatin1Char('\n')), button->accessibleName());
    }
    QCOMPARE(Button("RzBitBtn5")->accessibleName(), Q("打开"));
    QCOMPARE(Button("RzBitBtn5")->toolTip(), Q("打开一个词典文件"));
    QCOMPARE(Button("RzBitBtn19")->accessibleName(), Q("单词排序"));
    QCOMPARE(Button("RzBitBtn19")->toolTip(), Q("排序，对单词进行排序"));
    QCOMPARE(Button("RzBitBtn16")->accessibleName(), Q("剔除每行中含有大于某个ASC值的行"));
    QVERIFY(Button("RzBitBtn6")->toolTip().isEmpty());
  }

  void everyButtonRunsItsOperation_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("box1");
    QTest::addColumn<QString>("box2");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("box2After");
    QTest::addColumn<QString>("message");
    const QString same = QStringLiteral("<same>");
    const QString none;
    auto row = [](const char* name, std::string_view text, std::string_view box1,
                  std::string_view box2, std::string_view shown, std::string_view box2_after,
                  std::string_view message) {
      QTest::newRow(name) << Q(name).section(QLatin1Char(' '), 0, 0) << Q(text) << Q(box1)
                          << Q(box2) << Q(shown) << Q(box2_after) << Q(message);
    };
    row("RzBitBtn2 length", "a\nat\n cat \ncart\ncarts\n", "2", "4", "at\ncat\ncart\n", "4",
        "提取成功！");
    row("RzBitBtn2 digit check", "a\nat\n", "2", "4a", "a\nat\n", "4a", "请在文本框2中输入数字！");
    row("RzBitBtn1 delete prefix", "read\nare\n  re\n", "re", "4", "are\n", "4", "1");
    row("RzBitBtn12 extract suffix", "lovely\nly\nlye\n", "ly", "4", "lovely\n", "4", "1");
    row("RzBitBtn13 delete suffix", "bed\nedit\n", "ed", "4", "edit\n", "4", "1");
    row("RzBitBtn7 extract prefix", "read\nare\n  read\n", "re", "4", "read\n  read\n", "4", "2");
    row("RzBitBtn8 first chars", "a\ncat\n  dog\n", "3", "4", "c\n \n", "4", "");
    row("RzBitBtn8 digit check", "a\ncat\n", "3x", "4", "a\ncat\n", "4", "请在文本框中输入数字！");
    row("RzBitBtn11 char codes", "cat\n", " ab", "4", "cat\n", "#32,#97,", "");
    row("RzBitBtn14 doubled", "recall\nsee\nx\n\n", "2", "4", "recall\n", "4", "1");
    row("RzBitBtn15 longest", "cat\nhorse\nmouse\n", "2", "4", "cat\nhorse\nmouse\n", "4",
        "5 horse 在第2行");
    row("RzBitBtn19 sort", "b\nc\na\n", "2", "4", "a\nb\nc\n", "4", "3");
    row("RzBitBtn18 dedupe", "Apple\napple\nAPPLE\npear\n", "2", "4", "apple\npear\n", "4", "2");
    row("RzBitBtn17 delete substring", "a b c\n x \n", "a b", "4", "x\n", "4", "1");
    row("RzBitBtn3 split", "Don't stop.", "2", "4", "Do\nstop\n", "4", "");
    row("RzBitBtn9 extract substring", " banana \npear\n", "an", "4", "banana\n", "4", "1");
    row("RzBitBtn10 before key", "apple [n.]\npear\nx\n", "[", "4", "apple \n\n", "4", "");
    row("RzBitBtn16 blank above", "naïve 中文\n", "127", "4", "na ve   \n", "4", "");
    // No-break spaces reach the operations as they are, not as blanks.
    row("RzBitBtn16 no-break space", "a\u00a0b\n", "255", "4", "a\u00a0b\n", "4", "");
  }

  void everyButtonRunsItsOperation() {
    QFETCH(QString, button);
    QFETCH(QString, text);
    QFETCH(QString, box1);
    QFETCH(QString, box2);
    window_->ShowModeless();
    TextArea()->SetText(text);
    Box(1)->setText(box1);
    Box(2)->setText(box2);
    Button(button.toUtf8().constData())->click();
    QTEST(Shown(), "shown");
    QTEST(Box(2)->text(), "box2After");
    QFETCH(QString, message);
    const std::vector<std::string> expected =
        message.isEmpty() ? std::vector<std::string>{} : std::vector{message.toStdString()};
    QCOMPARE(port_->messages, expected);
    QVERIFY(port_->errors.empty());
  }

  void operationsWorkOnTheResultOfTheLastOne() {
    TextArea()->SetText(QStringLiteral("The cat saw the Cat."));
    Button("RzBitBtn3")->click();
    Button("RzBitBtn18")->click();
    Button("RzBitBtn19")->click();
    QCOMPARE(Shown(), QStringLiteral("cat\nsaw\nthe\n"));
    QCOMPARE(port_->messages, (std::vector<std::string>{"3", "3"}));
  }

  void aBoxThatIsNoNumberIsReportedAndChangesNothing() {
    TextArea()->SetText(QStringLiteral("abc\n"));
    Box(1)->setText(QStringLiteral("x"));
    Button("RzBitBtn16")->click();
    Box(1)->setText(QString());
    Button("RzBitBtn8")->click();
    QCOMPARE(Shown(), QStringLiteral("abc\n"));
    QCOMPARE(port_->errors, (std::vector<std::string>{"'x' is not a valid integer value",
                                                      "'' is not a valid integer value"}));
    QVERIFY(port_->messages.empty());
  }

  void openReadsBothFormsAndNamesTheWindow() {
    tarn::testing::TempFolder folder;
    const std::string dat = folder.Write("list.DAT", tarn::testing::Hex(kAppleBookDat));
    const std::string txt = folder.Write("list.txt", tarn::testing::Hex("FF FE 2D 4E 0D 00 0A 00"));
    port_->open_answers = {DialogChoice{dat, 1}, std::nullopt, DialogChoice{txt, 1}};

    Button("RzBitBtn5")->click();
    QCOMPARE(Shown(), QStringLiteral("apple\nbook\n"));
    QCOMPARE(window_->windowTitle(), Q(dat));
    Button("RzBitBtn5")->click();  // cancelled: nothing changes
    QCOMPARE(window_->windowTitle(), Q(dat));
    Button("RzBitBtn5")->click();
    QCOMPARE(Shown(), Q("中\n"));
    QCOMPARE(window_->windowTitle(), Q(txt));

    QCOMPARE(port_->open_requests.size(), size_t{3});
    QCOMPARE(Q(port_->open_requests[0].filter),
             QStringLiteral("Text files (*.txt)|*.TXT|Dat files (*.dat)|*.dat"));
    QVERIFY(Q(port_->open_requests[0].initial_folder).endsWith(QStringLiteral("/dict/")));
    QVERIFY(port_->errors.empty());
  }

  void aFailedOpenLeavesTheListAndTheCaption() {
    tarn::testing::TempFolder folder;
    const std::string good = folder.Write("good.dat", tarn::testing::Hex(kAppleBookDat));
    const std::string damaged = folder.Write("bad.dat", tarn::testing::Hex("02 03 01 06 01 61 00"));
    const std::string cut = folder.Write("cut.dat", tarn::testing::Hex("02 02 01 06"));
    port_->open_answers = {DialogChoice{good, 1}, DialogChoice{damaged, 1}, DialogChoice{cut, 1},
                           DialogChoice{folder / "gone.txt", 1}};
    Button("RzBitBtn5")->click();
    QTest::keyClicks(TextArea(), QStringLiteral("unsaved"));
    const QString before = Shown();

    for (int i = 0; i < 3; ++i) Button("RzBitBtn5")->click();
    QCOMPARE(Shown(), before);
    QCOMPARE(window_->windowTitle(), Q(good));
    QCOMPARE(port_->errors,
             (std::vector<std::string>{
                 "Invalid property value", "Stream read error",
                 "Cannot open file \"" + (folder / "gone.txt") + "\". No such file or directory"}));
  }

  void saveWritesBothFormsLowerCased() {
    tarn::testing::TempFolder folder;
    port_->save_answers = {DialogChoice{folder / "words", 2}, DialogChoice{folder / "words", 1}};
    TextArea()->SetText(QStringLiteral("Apple\nBOOK\n"));
    Button("RzBitBtn4")->click();
    Button("RzBitBtn4")->click();
    QCOMPARE(QByteArray::fromStdString(tarn::testing::ReadBytes(folder / "words.dat")),
             QByteArray::fromStdString(tarn::testing::Hex(kAppleBookDat)));
    QCOMPARE(QByteArray::fromStdString(tarn::testing::ReadBytes(folder / "words.txt")),
             QByteArrayLiteral("apple\r\nbook\r\n"));
    QCOMPARE(port_->messages, (std::vector<std::string>{"生成的词典共包含2个词！ 生成的词典文件是" +
                                                            (folder / "words") + ".dat，请查看",
                                                        "保存成功！"}));
    QCOMPARE(Q(port_->save_requests.at(0).filter), Q("Txt文件(*.Txt)|*.txt|Dat文件(*.Dat)|*.Dat"));
    QCOMPARE(Shown(), QStringLiteral("Apple\nBOOK\n"));  // the text area keeps its case
  }

  void closingHidesAndKeepsTheContents() {
    tarn::testing::TempFolder folder;
    port_->open_answers = {DialogChoice{folder.Write("a.txt", "x\r\ny"), 1}};
    window_->ShowModeless();
    Button("RzBitBtn5")->click();
    Box(1)->setText(QStringLiteral("ly"));
    Button("RzBitBtn11")->click();
    const QString title = window_->windowTitle();

    Button("RzBitBtn6")->click();
    QVERIFY(!window_->isVisible());
    window_->ShowModeless();
    QVERIFY(window_->isVisible());
    window_->close();  // the window's own close box
    QVERIFY(!window_->isVisible());
    window_->ShowModeless();
    QCOMPARE(Shown(), QStringLiteral("x\ny"));
    QCOMPARE(Box(1)->text(), QStringLiteral("ly"));
    QCOMPARE(Box(2)->text(), QStringLiteral("#108,#121,"));
    QCOMPARE(window_->windowTitle(), title);
  }

  void showModalBlocksUntilClosedAndRefusesAVisibleWindow() {
    QTimer::singleShot(0, window_.get(), [this] {
      QVERIFY(window_->isModal() || window_->windowModality() != Qt::NonModal);
      Button("RzBitBtn6")->click();
    });
    window_->ShowModal();
    QVERIFY(!window_->isVisible());

    window_->ShowModeless();
    QCOMPARE(QString::fromStdString(tarn::testing::ErrorText([this] { window_->ShowModal(); })),
             QStringLiteral("Cannot make a visible window modal"));
    QVERIFY(window_->isVisible());
  }
};

QTEST_MAIN(DictToolsWindowTest)
#include "untdicttoolsTest.moc"
