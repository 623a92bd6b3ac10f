#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "app/AppWindows.h"
#include "app/main.h"
#include "support/FakeUserPort.h"
#include "support/PrivateDataHome.h"

namespace tarn::testing {

// The four windows over the shipped dict folder and a help text of the test's own, with a
// scripted port; the main window shown offscreen as the program shows it.
class WindowFixture {
 public:
  static constexpr const char* kHelp = "Tarn help text\r\nsecond line\r\n";

  explicit WindowFixture(const std::string& dict_folder = TARN_DICT_DIR, bool write_help = true) {
    if (write_help) WriteFile(u"help.txt", kHelp);
    windows =
        std::make_unique<app::AppWindows>(port, app::ProgramFiles{dict_folder, Path(u"help.txt")});
    main().show();
  }

  Tmainfrm& main() { return windows->main(); }

  // A file of the temporary folder, as the dialogs name it.
  std::string Path(const std::u16string& name) const {
    return QFile::encodeName(folder.filePath(QString::fromStdU16String(name))).toStdString();
  }

  void WriteFile(const std::u16string& name, const std::string& bytes) const {
    QFile file(QString::fromStdString(Path(name)));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }

  QByteArray ReadFile(const std::u16string& name) const {
    QFile file(QString::fromStdString(Path(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  template <typename Widget = QWidget>
  Widget* Find(const char* name) {
    return main().findChild<Widget*>(QString::fromUtf8(name));
  }

  // Clicks the group bar item or toolbar button named `name`.
  void Click(const char* name) {
    auto* button = Find<QAbstractButton>(name);
    QVERIFY2(button != nullptr, name);
    button->click();
  }

  // Runs the popup menu's item named `name`.
  void Choose(const char* name) {
    auto* action = Find<QAction>(name);
    QVERIFY2(action != nullptr, name);
    action->trigger();
  }

  // Counts `text` as the file sample.txt through "打开文件并统计".
  void Count(const std::string& text) {
    WriteFile(u"sample.txt", text);
    port.open_answers.push_back(DialogChoice{Path(u"sample.txt"), 1});
    Click("RzGroup1Items0");
  }

  QString ViewText() { return Find<QPlainTextEdit>("RichEdit1")->toPlainText(); }
  QString Summary() { return Find<QLabel>("rzLabel1")->text(); }

  QTemporaryDir folder;
  FakeUserPort port;
  std::unique_ptr<app::AppWindows> windows;
};

}  // namespace tarn::testing
