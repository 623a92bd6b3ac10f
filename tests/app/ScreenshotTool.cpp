// Takes the README's pictures of the desktop program: the real windows, driven through their own
// handlers with a scripted port, grabbed into PNG files. scripts/screenshots runs it under a
// virtual X display so that the system's fonts render.
//   app_screenshots OUTPUT_FOLDER SAMPLE_TEXT WORD_LIST CORPUS_FOLDER
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTableView>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <vector>

#include "app/AppWindows.h"
#include "app/main.h"
#include "app/unitabout.h"
#include "concordance/ConcordanceWindow.h"
#include "corpus/CorpusWindow.h"
#include "dicttools/untdicttools.h"
#include "profile/ProfileWindow.h"
#include "support/FakeUserPort.h"
#include "support/PrivateDataHome.h"

namespace {

void Settle(QWidget& window) {
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  for (int i = 0; i < 20; ++i) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool Save(QWidget& window, const QDir& folder, const char* name) {
  Settle(window);
  const QString path = folder.filePath(QString::fromUtf8(name));
  const bool saved = window.grab().save(path);
  std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "wrote" : "could not write",
               path.toLocal8Bit().constData());
  return saved;
}

void Click(QWidget& window, const char* name) {
  if (auto* button = window.findChild<QAbstractButton*>(QString::fromUtf8(name))) button->click();
}

// Counts `paths` through "打开多个文件并统计" and its 选择文件….
void CountCorpus(Tmainfrm& main, tarn::testing::FakeUserPort& port,
                 const std::vector<std::string>& paths) {
  port.open_files_answers.push_back(paths);
  Click(main, "RzGroup1Items8");
  main.findChild<QAction*>(QStringLiteral("CorpusFiles"))->trigger();
}

// Grabs the progress dialog once a run over `paths` is well under way, then cancels the run.
bool SaveProgressDialog(Tmainfrm& main, tarn::testing::FakeUserPort& port,
                        const std::vector<std::string>& paths, const QDir& folder) {
  auto* dialog = main.findChild<QWidget*>(QStringLiteral("RunProgressDialog"));
  auto* bar = main.findChild<QProgressBar*>(QStringLiteral("RunProgressBar"));
  bool saved = false;
  QTimer watch;
  watch.setInterval(10);
  QObject::connect(&watch, &QTimer::timeout, &main, [&] {
    if (saved || !dialog->isVisible() || bar->value() < 150) return;
    saved = Save(*dialog, folder, "progress-dialog.png");
    Click(*dialog, "RunCancelButton");
  });
  watch.start();
  CountCorpus(main, port, paths);
  if (!saved) std::fprintf(stderr, "the run ended before its progress could be taken\n");
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 5) {
    std::fprintf(stderr,
                 "usage: app_screenshots OUTPUT_FOLDER SAMPLE_TEXT WORD_LIST CORPUS_FOLDER\n");
    return 2;
  }
  const QDir output(QString::fromLocal8Bit(argv[1]));
  tarn::testing::FakeUserPort port;
  tarn::app::AppWindows windows(port, tarn::app::ProgramFiles::OfRunningProgram());
  Tmainfrm& main = windows.main();
  main.show();
  Settle(main);

  port.open_answers.push_back(tarn::DialogChoice{argv[2], 1});
  Click(main, "RzGroup1Items0");
  Click(main, "RzGroup1Items4");
  main.findChild<QLineEdit*>(QStringLiteral("RzEdit1"))->setText(QStringLiteral("holmes"));
  Click(main, "RzToolButton2");
  bool saved = Save(main, output, "main-window.png");

  port.open_answers.push_back(tarn::DialogChoice{argv[3], 1});
  windows.dicttools().ShowModeless();
  Click(windows.dicttools(), "RzBitBtn5");
  saved = Save(windows.dicttools(), output, "dictionary-tools.png") && saved;

  windows.about().ShowModeless();
  saved = Save(windows.about(), output, "about.png") && saved;

  Click(main, "RzGroup5Items0");
  saved = Save(windows.profile(), output, "profile-window.png") && saved;

  // A common verb of the merged view, standing for all its forms.
  Click(main, "RzGroup1Items5");
  auto* view = main.findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"));
  view->moveCursor(QTextCursor::Start);
  view->find(QRegularExpression(QStringLiteral("^see\\b")));
  main.findChild<QAction*>(QStringLiteral("c3"))->trigger();
  saved = Save(windows.concordance(), output, "concordance-window.png") && saved;

  // The corpus given several times over, so that the run lasts long enough to be seen.
  saved = SaveProgressDialog(main, port, std::vector<std::string>(8, argv[4]), output) && saved;
  CountCorpus(main, port, {argv[4]});
  // A corpus of novels takes long enough for the run to say how long it took.
  std::erase_if(port.messages, [](const std::string& message) {
    return message.starts_with("统计结束");
  });
  Click(main, "CorpusListingButton");
  auto* table = windows.corpus().findChild<QTableView*>(QStringLiteral("CorpusTable"));
  table->sortByColumn(2, Qt::DescendingOrder);
  saved = Save(windows.corpus(), output, "corpus-window.png") && saved;
  saved = Save(main, output, "main-window-corpus.png") && saved;
  for (const std::string& message : port.messages)
    std::fprintf(stderr, "message: %s\n", message.c_str());
  return saved && port.messages.empty() ? 0 : 1;
}
