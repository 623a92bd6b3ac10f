// The gloss that 查看单词原形 shows after the base form.
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "WindowFixture.h"

using tarn::testing::WindowFixture;

class GlossTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void TheBaseFormsGlossGoesToTheStatusBarAndTheBoxKeepsTheBaseForm() {
    WindowFixture fixture;
    auto* box = fixture.Find<QLineEdit>("RzEdit1");
    auto* status = fixture.Find<QLabel>("RzStatusPane1");
    QVERIFY(status != nullptr);
    QCOMPARE(status->text(), QString());

    const struct {
      const char16_t* typed;
      const char16_t* box;
      const char16_t* status_start;  // nullptr: the status bar is empty
    } cases[] = {
        {u"books", u"book", u"book：n. 书"}, {u"went", u"go", u"go：v. 去"},
        {u"the", u"the", u"the：art. 那"},  // a stop word stays, and has a gloss
        {u"qzxv", u"qzxv", nullptr},        // no gloss empties the status bar
        {u"Went", u"go", u"go：v. 去"},
    };
    for (const auto& c : cases) {
      box->setText(QString::fromUtf16(c.typed));
      fixture.Click("RzToolButton1");
      QCOMPARE(box->text(), QString::fromUtf16(c.box));
      if (c.status_start == nullptr) {
        QCOMPARE(status->text(), QString());
      } else {
        QVERIFY2(status->text().startsWith(QString::fromUtf16(c.status_start)),
                 qPrintable(status->text()));
      }
    }
  }

  void WithoutGlossDataTheButtonStillGivesTheBaseForm() {
    // A dict folder with the six tables but no glosses.txt: no error at start or on the click.
    QTemporaryDir dict;
    for (const char* name : {"compare.txt", "1.dat", "2.dat", "3.dat", "4.dat", "notword.txt"}) {
      QVERIFY(QFile::copy(QStringLiteral(TARN_DICT_DIR "/") + QString::fromUtf8(name),
                          dict.filePath(QString::fromUtf8(name))));
    }
    WindowFixture fixture(QFile::encodeName(dict.path()).toStdString());
    QVERIFY(fixture.port.messages.empty());
    fixture.Find<QLineEdit>("RzEdit1")->setText(QStringLiteral("went"));
    fixture.Click("RzToolButton1");
    QCOMPARE(fixture.Find<QLineEdit>("RzEdit1")->text(), QStringLiteral("go"));
    QCOMPARE(fixture.Find<QLabel>("RzStatusPane1")->text(), QString());
    QVERIFY(fixture.port.messages.empty());
  }
};

QTEST_MAIN(GlossTest)
#include "GlossTest.moc"
