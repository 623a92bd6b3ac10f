// The documents the program is given rather than asks for: "tarn FILE", a FILE handed over by a
// second start to the running window, and files dropped on the window; and the command line.
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QProcess>
#include <QUrl>

#include "WindowFixture.h"
#include "app/DocumentHandOver.h"
#include "app/InstanceLock.h"
#include "app/TarnArguments.h"

using tarn::app::DocumentHandOver;
using tarn::app::InstanceLock;
using tarn::app::ParseTarnArguments;
using tarn::testing::WindowFixture;

namespace {

constexpr const char* kText = "The cat saw the cat.\r\n";

// A run of the program with its instance lock and socket in `runtime`.
QProcessEnvironment ProgramEnvironment(const QTemporaryDir& runtime) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  return environment;
}

std::string LockPath(const QTemporaryDir& runtime) {
  return runtime.filePath(QStringLiteral("My   toolbar.lock")).toStdString();
}

// Drops `urls` on `target` as a file manager would.
void Drop(QWidget* target, const QList<QUrl>& urls) {
  QMimeData mime;
  mime.setUrls(urls);
  mime.setText(urls.front().toString());
  const QPoint at = target->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &drop);
  QVERIFY(drop.isAccepted());
}

QUrl FileUrl(const WindowFixture& fixture, const std::u16string& name) {
  return QUrl::fromLocalFile(QString::fromStdString(fixture.Path(name)));
}

}  // namespace

class OpenGivenFileTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void CommandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("help");
    QTest::addColumn<bool>("version");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("error");
    QTest::newRow("nothing") << QStringList{} << false << false << QString() << false;
    QTest::newRow("a file") << QStringList{QStringLiteral("书.txt")} << false << false
                            << QStringLiteral("书.txt") << false;
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << true << false << QString()
                          << false;
    QTest::newRow("version") << QStringList{QStringLiteral("--version")} << false << true
                             << QString() << false;
    QTest::newRow("a file after --") << QStringList{QStringLiteral("--"), QStringLiteral("-x")}
                                     << false << false << QStringLiteral("-x") << false;
    QTest::newRow("unknown option")
        << QStringList{QStringLiteral("--fast")} << false << false << QString() << true;
    QTest::newRow("two files") << QStringList{QStringLiteral("a"), QStringLiteral("b")} << false
                               << false << QStringLiteral("a") << true;
  }

  void CommandLine() {
    QFETCH(QStringList, args);
    const tarn::app::TarnArguments parsed = ParseTarnArguments(args);
    QTEST(parsed.help, "help");
    QTEST(parsed.version, "version");
    QTEST(parsed.file, "file");
    QTEST(!parsed.error.isEmpty(), "error");
  }

  // --help and --version need no display: they run where no window could open.
  void HelpAndVersionWithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TARN_EXECUTABLE), {QStringLiteral("--version")});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(program.readAllStandardOutput(), QByteArray("tarn " TARN_EXPECTED_VERSION "\n"));
    program.start(QStringLiteral(TARN_EXECUTABLE), {QStringLiteral("--help")});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(program.readAllStandardOutput().startsWith("usage: tarn [FILE]\n"));
  }

  void AGivenFileIsCountedAsTheOpenDialogsAnswer() {
    WindowFixture fixture;
    fixture.WriteFile(u"书.txt", kText);
    fixture.main().OpenDocument(QString::fromStdString(fixture.Path(u"书.txt")));
    QVERIFY(fixture.port.messages.empty());
    QVERIFY(fixture.main().Session().State().DocumentLoaded);
    QCOMPARE(fixture.main().Session().State().TotalWords, 5);
    QVERIFY(fixture.ViewText().startsWith(QStringLiteral("cat")));
    QVERIFY(fixture.port.open_requests.empty());

    // A file that is not there: the error box, and the counted document stays.
    fixture.main().OpenDocument(QString::fromStdString(fixture.Path(u"missing.txt")));
    QCOMPARE(fixture.port.messages.size(), size_t{1});
    QVERIFY(QString::fromStdString(fixture.port.messages.front())
                .contains(QStringLiteral("missing.txt")));
    QCOMPARE(fixture.main().Session().State().TotalWords, 5);
  }

  // The program started again with a file (a relative name, from another folder) hands it to
  // the running window, which counts it and ends the second start with status 0.
  void ASecondStartHandsItsFileToTheRunningWindow() {
    QTemporaryDir runtime;
    InstanceLock first(LockPath(runtime));
    QCOMPARE(first.state(), InstanceLock::State::kAcquired);
    WindowFixture fixture;
    DocumentHandOver hand_over;
    QVERIFY(hand_over.Listen(DocumentHandOver::SocketPathFor(LockPath(runtime))));
    QObject::connect(&hand_over, &DocumentHandOver::Received, &fixture.main(),
                     &Tmainfrm::TakeHandedOverDocument);
    fixture.WriteFile(u"given.txt", kText);
    fixture.main().hide();

    QProcess second;
    second.setProcessEnvironment(ProgramEnvironment(runtime));
    second.setWorkingDirectory(fixture.folder.path());
    second.start(QStringLiteral(TARN_EXECUTABLE), {QStringLiteral("given.txt")});
    QTRY_VERIFY_WITH_TIMEOUT(fixture.main().Session().State().DocumentLoaded, 10000);
    // The event loop of the wait above may already have seen the second start end.
    QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 10000);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(fixture.main().Session().State().TotalWords, 5);
    QVERIFY(fixture.main().isVisible());
    QVERIFY(fixture.port.messages.empty());
  }

  // The program itself listens: a second start's file is taken and the second start ends.
  void TheRunningProgramTakesASecondStartsFile() {
    QTemporaryDir runtime;
    QProcess first;
    first.setProcessEnvironment(ProgramEnvironment(runtime));
    first.start(QStringLiteral(TARN_EXECUTABLE), {});
    QVERIFY(first.waitForStarted(10000));
    const QString socket = DocumentHandOver::SocketPathFor(LockPath(runtime));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socket), 10000);
    QProcess second;
    second.setProcessEnvironment(ProgramEnvironment(runtime));
    second.start(QStringLiteral(TARN_EXECUTABLE), {QStringLiteral("/nowhere/given.txt")});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(10000);
  }

  // While a dialog is open the handed-over file waits for it to close.
  void AHandedOverFileWaitsForTheOpenDialog() {
    WindowFixture fixture;
    fixture.WriteFile(u"given.txt", kText);
    QDialog dialog(&fixture.main());
    dialog.setModal(true);
    dialog.show();
    fixture.main().TakeHandedOverDocument(QString::fromStdString(fixture.Path(u"given.txt")));
    QTest::qWait(50);
    QVERIFY(!fixture.main().Session().State().DocumentLoaded);
    dialog.hide();
    QTRY_VERIFY_WITH_TIMEOUT(fixture.main().Session().State().DocumentLoaded, 5000);
  }

  // A second start whose file nobody takes (the first instance has no socket) says so.
  void ASecondStartThatCannotHandOverSaysSo() {
    QTemporaryDir runtime;
    InstanceLock first(LockPath(runtime));
    QProcess second;
    second.setProcessEnvironment(ProgramEnvironment(runtime));
    second.start(QStringLiteral(TARN_EXECUTABLE), {QStringLiteral("/nowhere/given.txt")});
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitCode(), 1);
    QVERIFY(second.readAllStandardError().contains("did not take /nowhere/given.txt"));
  }

  void ADroppedFileIsCounted() {
    WindowFixture fixture;
    fixture.WriteFile(u"dropped.txt", kText);
    // On the text view, which would otherwise take the file's name as text.
    Drop(fixture.Find<QPlainTextEdit>("RichEdit1")->viewport(), {FileUrl(fixture, u"dropped.txt")});
    QTRY_VERIFY(fixture.main().Session().State().DocumentLoaded);
    QCOMPARE(fixture.main().Session().State().TotalWords, 5);
    QVERIFY(!fixture.ViewText().contains(QStringLiteral("dropped.txt")));
  }

  // Several files, or a folder, are one corpus.
  void DroppedFilesAreOneCorpus() {
    WindowFixture fixture;
    fixture.WriteFile(u"a.txt", kText);
    fixture.WriteFile(u"b.txt", "A dog.\r\n");
    Drop(&fixture.main(), {FileUrl(fixture, u"a.txt"), FileUrl(fixture, u"b.txt")});
    QTRY_VERIFY(fixture.Summary().contains(QStringLiteral("该语料共有文本数：2")));
    QCOMPARE(fixture.main().Session().State().TotalWords, 7);
  }

  void OtherDropsAreRefused() {
    WindowFixture fixture;
    QMimeData mime;
    mime.setUrls({QUrl(QStringLiteral("https://example.org/book.txt"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(&fixture.main(), &enter);
    QVERIFY(!enter.isAccepted());
  }
};

QTEST_MAIN(OpenGivenFileTest)
#include "OpenGivenFileTest.moc"
