// Times what a user of the desktop program waits for: the start to a shown main window with the
// shipped tables, and a 100,000-line listing reaching the text view after its count. Run by
// hand (see bench/app/CMakeLists.txt); never part of the tests.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QWindow>
#include <cstdio>
#include <string>

#include "analysis/MainSession.h"
#include "app/AppWindows.h"
#include "app/QtUserPort.h"
#include "app/ViewText.h"
#include "app/main.h"
#include "support/FakeUserPort.h"

namespace {

constexpr int kWords = 100000;

void WaitUntilExposed(QWidget& widget) {
  while (widget.windowHandle() == nullptr || !widget.windowHandle()->isExposed()) {
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  QApplication::processEvents();
}

// kWords distinct words of letters only, one per line.
std::string DistinctWords() {
  std::string text;
  for (int i = 0; i < kWords; ++i) {
    std::string word = "zq";
    for (int n = i, k = 0; k < 4; ++k, n /= 26) word += static_cast<char>('a' + n % 26);
    text += word + "\r\n";
  }
  return text;
}

double Ms(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

template <typename Fill>
double Timed(Fill&& fill) {
  QElapsedTimer timer;
  timer.start();
  fill();
  QApplication::processEvents();
  return Ms(timer);
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer since_start;
  since_start.start();
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  QApplication application(argc, argv);
  tarn::app::QtUserPort port(QStringLiteral("tarn"));
  {
    tarn::app::AppWindows windows(port, tarn::app::ProgramFiles::OfRunningProgram());
    windows.main().show();
    WaitUntilExposed(windows.main());
    std::printf("start to a shown main window: %.1f ms\n", Ms(since_start));
  }

  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("words.txt"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  const std::string document = DistinctWords();
  file.write(document.data(), static_cast<qint64>(document.size()));
  file.close();

  tarn::testing::FakeUserPort fake;
  tarn::MainSession alone(fake);
  alone.LoadLexicon(tarn::app::ProgramFiles::OfRunningProgram().dict_folder);
  QElapsedTimer timer;
  timer.start();
  alone.CountFile(path.toStdString());
  const double count_ms = Ms(timer);
  const std::string listing = alone.State().text_view;

  tarn::app::AppWindows windows(fake, tarn::app::ProgramFiles::OfRunningProgram());
  windows.main().show();
  WaitUntilExposed(windows.main());
  fake.open_answers.push_back(tarn::DialogChoice{path.toStdString(), 1});
  const double command_ms = Timed([&] { windows.main().RzGroup1Items0Click(); });
  std::printf(
      "count alone: %.1f ms; 打开文件并统计 in the window: %.1f ms; listing to the view: "
      "%.1f ms\n",
      count_ms, command_ms, command_ms - count_ms);

  QString text;
  std::printf("code page 936 to the view's text: %.1f ms\n",
              Timed([&] { text = tarn::app::ViewTextFromState(listing); }));
  std::printf("the view's text back to code page 936: %.1f ms\n",
              Timed([&] { (void)tarn::app::StateTextFromView(text); }));

  QPlainTextEdit plain;
  plain.resize(598, 361);
  plain.show();
  WaitUntilExposed(plain);
  std::printf("QPlainTextEdit::setPlainText: %.1f ms\n", Timed([&] { plain.setPlainText(text); }));
  std::printf("QPlainTextEdit::setPlainText again (replacing): %.1f ms\n",
              Timed([&] { plain.setPlainText(text); }));
  std::printf("QPlainTextEdit, fresh document swapped in: %.1f ms\n", Timed([&] {
                auto* document = new QTextDocument(&plain);
                document->setDocumentLayout(new QPlainTextDocumentLayout(document));
                document->setUndoRedoEnabled(false);
                document->setDefaultFont(plain.font());
                document->setPlainText(text);
                plain.setDocument(document);
              }));

  QTextEdit rich;
  rich.setAcceptRichText(false);
  rich.resize(598, 361);
  rich.show();
  WaitUntilExposed(rich);
  std::printf("QTextEdit::setPlainText: %.1f ms\n", Timed([&] { rich.setPlainText(text); }));
  return 0;
}
