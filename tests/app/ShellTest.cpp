// The pieces around the windows: the instance lock and its folder, Qt's own Chinese, the version
// text, the dialog filters, the view's text conversion and the Qt port's clipboard and busy cursor.
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/FilterList.h"
#include "app/InstanceLock.h"
#include "app/ProgramFiles.h"
#include "app/QtTranslations.h"
#include "app/QtUserPort.h"
#include "app/ViewText.h"

using tarn::app::InstanceLock;

class ShellTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void OneLockHolderAtATime() {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("My   toolbar.lock")).toStdString();
    {
      InstanceLock first(path);
      QCOMPARE(first.state(), InstanceLock::State::kAcquired);
      InstanceLock second(path);
      QCOMPARE(second.state(), InstanceLock::State::kHeldElsewhere);
    }
    InstanceLock after_release(path);
    QCOMPARE(after_release.state(), InstanceLock::State::kAcquired);

    InstanceLock nowhere(folder.filePath(QStringLiteral("missing/x.lock")).toStdString());
    QCOMPARE(nowhere.state(), InstanceLock::State::kUnavailable);
  }

  // The program itself: a second start ends at once with status 0; once the first holder has
  // gone, a start runs normally (until this test ends it).
  void ASecondStartEndsSilently() {
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), runtime.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    {
      InstanceLock first(runtime.filePath(QStringLiteral("My   toolbar.lock")).toStdString());
      QCOMPARE(first.state(), InstanceLock::State::kAcquired);
      program.start(QStringLiteral(TARN_EXECUTABLE), {});
      QVERIFY(program.waitForFinished(10000));
      QCOMPARE(program.exitStatus(), QProcess::NormalExit);
      QCOMPARE(program.exitCode(), 0);
    }
    program.start(QStringLiteral(TARN_EXECUTABLE), {});
    QVERIFY(program.waitForStarted(10000));
    QVERIFY(!program.waitForFinished(1500));
    program.kill();
    program.waitForFinished(10000);
  }

  void LockFileIsNamedAfterTheLockAndIndependentOfTheFolder() {
    const std::string path = InstanceLock::PathFor(tarn::app::kInstanceLockName);
    QVERIFY(QString::fromStdString(path).endsWith(QStringLiteral("/My   toolbar.lock")));
    QVERIFY(path.rfind("/tmp/", 0) == 0 ||
            path.rfind(qEnvironmentVariable("XDG_RUNTIME_DIR").toStdString(), 0) == 0);
  }

  // Without a runtime folder the lock lives in <tmp>/tarn-<uid>, but only while that is this
  // user's own private folder; any other folder of that name could be another user's trap.
  void LockFolderOnlyWhenItIsTheUsersOwnAndPrivate() {
    QTemporaryDir temp;
    const std::string root = temp.path().toStdString();
    const std::string usual = root + "/tarn-" + std::to_string(::getuid());
    const auto lock_in = [&] {
      return InstanceLock::PathFor(tarn::app::kInstanceLockName, "", root);
    };
    const auto folder_of = [](const std::string& path) { return path.substr(0, path.rfind('/')); };
    const auto is_private = [](const std::string& folder) {
      struct stat info {};
      return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
             info.st_uid == ::getuid() && (info.st_mode & 07777) == 0700;
    };

    const mode_t umask_before = ::umask(0077 | 0200);  // a umask that would leave no write bit
    const std::string made = lock_in();
    ::umask(umask_before);
    QCOMPARE(made, usual + "/My   toolbar.lock");
    QVERIFY(is_private(usual));
    QCOMPARE(lock_in(), made);
    QCOMPARE(InstanceLock(made).state(), InstanceLock::State::kAcquired);

    const auto refused = [&](const char* what) {
      const std::string path = lock_in();
      QVERIFY2(!path.empty() && folder_of(path) != usual, what);
      QVERIFY2(folder_of(path).rfind(usual + ".", 0) == 0, what);
      QVERIFY2(is_private(folder_of(path)), what);
      QVERIFY2(InstanceLock(path).state() == InstanceLock::State::kAcquired, what);
    };
    QCOMPARE(::chmod(usual.c_str(), 0777), 0);
    refused("writable by everyone");
    QCOMPARE(::chmod(usual.c_str(), 0750), 0);
    refused("readable by the group");
    QCOMPARE(::chmod(usual.c_str(), 0700), 0);
    if (::getuid() == 0) {
      QCOMPARE(::chown(usual.c_str(), 65534, 65534), 0);
      refused("another user's folder");
      QCOMPARE(::chown(usual.c_str(), 0, 0), 0);
    }
    const std::string real = root + "/real";
    QCOMPARE(::rename(usual.c_str(), real.c_str()), 0);
    QCOMPARE(::symlink(real.c_str(), usual.c_str()), 0);
    refused("a link to a private folder");

    // The runtime folder is the system's private one and is taken as it is.
    QCOMPARE(InstanceLock::PathFor("x", root, "/nowhere"), root + "/x.lock");
  }

  // Qt's own dialogs and buttons are in Chinese whatever the locale (the tests run in en_US).
  void QtsOwnTextIsChinese() {
    QVERIFY(tarn::app::InstallQtTranslations(*QCoreApplication::instance()));
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QVERIFY(!dialog.labelText(QFileDialog::LookIn).contains(QStringLiteral("Look in")));
    QVERIFY(!dialog.labelText(QFileDialog::FileName).contains(QStringLiteral("File name")));
  }

  void VersionTextFallsBackWithoutABuildVersion() {
    QCOMPARE(tarn::app::FileVersion(), std::string(TARN_EXPECTED_VERSION));
    QCOMPARE(tarn::app::FileVersionOr(""), std::string("Value Not Available"));
  }

  void DialogFiltersInQtsForm_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two pairs") << "Text files (*.txt)|*.TXT|Word files (*.Doc)|*.Doc"
                               << QStringList{QStringLiteral("Text files (*.txt) (*.TXT)"),
                                              QStringLiteral("Word files (*.Doc) (*.Doc)")};
    QTest::newRow("pattern list") << "词表|*.txt;*.dat"
                                  << QStringList{QStringLiteral("词表 (*.txt *.dat)")};
    QTest::newRow("caption only") << "All" << QStringList{QStringLiteral("All (*)")};
    QTest::newRow("empty") << "" << QStringList{};
  }
  void DialogFiltersInQtsForm() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(tarn::app::QtNameFilters(filter.toStdString()), expected);
  }

  void ViewTextConversions() {
    // CR, CR LF and LF all become one break; back in the session every break is CR LF.
    const std::string state = "cats  \t3\rdog\r\n\xC3\xA8\n";
    const QString view = tarn::app::ViewTextFromState(state);
    QCOMPARE(view, QStringLiteral("cats  \t3\ndog\n猫\n"));
    QCOMPARE(tarn::app::StateTextFromView(view), std::string("cats  \t3\r\ndog\r\n\xC3\xA8\r\n"));
    QCOMPARE(tarn::app::StateTextFromView(QStringLiteral("a\nb")), std::string("a\r\nb"));
  }

  void ClipboardTextOnly() {
    tarn::app::QtUserPort port(QStringLiteral("tarn"));
    QGuiApplication::clipboard()->setText(QStringLiteral("the 猫"));
    QCOMPARE(port.ClipboardText(), std::optional<std::string>("the 猫"));
    QGuiApplication::clipboard()->clear();
    QCOMPARE(port.ClipboardText(), std::nullopt);
  }

  void BusyCursorNestsAndIsRestoredOnEveryWayOut() {
    tarn::app::QtUserPort port(QStringLiteral("tarn"));
    try {
      tarn::BusyCursor outer(port);
      {
        tarn::BusyCursor inner(port);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
      }
      QVERIFY(QApplication::overrideCursor() != nullptr);
      throw tarn::Error("Stream read error");
    } catch (const tarn::Error&) {
    }
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
