// Times the concordance window on a novel: opening it on the most frequent word (thousands of
// lines) and on a merged base form, sorting by the left words and a new width. Run by hand (see
// bench/app/CMakeLists.txt); never part of the tests.
//   concordance_window_timing NOVEL
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSpinBox>
#include <QWindow>
#include <cstdio>

#include "analysis/AnalysisViews.h"
#include "analysis/MainSession.h"
#include "app/ProgramFiles.h"
#include "concordance/ConcordanceCommands.h"
#include "concordance/ConcordanceWindow.h"
#include "support/FakeUserPort.h"

namespace {

template <typename Step>
double Timed(Step&& step) {
  QElapsedTimer timer;
  timer.start();
  step();
  QApplication::processEvents();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: concordance_window_timing NOVEL\n");
    return 2;
  }
  const tarn::app::ProgramFiles files = tarn::app::ProgramFiles::OfRunningProgram();
  tarn::testing::FakeUserPort port;
  tarn::MainSession session(port);
  session.LoadLexicon(files.dict_folder);
  if (!session.CountFile(argv[1])) return 1;
  tarn::ConcordanceCommands commands(session);
  tarn::LazyGlosses glosses(files.dict_folder);
  tarn::concordance::ConcordanceWindow window(port);
  window.ShowWord(commands, glosses, "the", tarn::FormScope::kWordAlone);
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
    QApplication::processEvents(QEventLoop::AllEvents, 5);

  std::printf("\"the\", word alone, shown: %.1f ms\n", Timed([&] {
                window.ShowWord(commands, glosses, "the", tarn::FormScope::kWordAlone);
              }));
  auto* order = window.findChild<QComboBox*>(QStringLiteral("ConcordanceOrder"));
  std::printf("sorted by the left words: %.1f ms\n", Timed([&] { order->setCurrentIndex(1); }));
  auto* width = window.findChild<QSpinBox*>(QStringLiteral("ConcordanceWidth"));
  std::printf("width 80, found again and sorted: %.1f ms\n", Timed([&] { width->setValue(80); }));
  order->setCurrentIndex(0);
  width->setValue(40);
  tarn::AnalysisViews(session.State(), session.Words(), port).ShowMerged();
  std::printf("\"see\", merged, shown: %.1f ms\n",
              Timed([&] { window.ShowWord(commands, glosses, "see", tarn::FormScope::kMerged); }));
  for (const std::string& message : port.messages)
    std::fprintf(stderr, "message: %s\n", message.c_str());
  return 0;
}
