// Times how long the window takes to take and give back a 500,000-line word list.
// Run by hand: QT_QPA_PLATFORM=offscreen dicttools_window_timing
#include <QApplication>
#include <QElapsedTimer>
#include <QToolButton>
#include <cstdio>

#include "dicttools/LineTextArea.h"
#include "dicttools/WordListFiles.h"
#include "dicttools/untdicttools.h"
#include "support/FakeUserPort.h"
#include "support/TempFolder.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tarn::testing::TempFolder folder;
  std::string list;
  for (int i = 0; i < 500000; ++i) list += "word" + std::to_string(i % 70000) + "\r\n";
  const std::string file = folder.Write("big.txt", list);

  tarn::testing::FakeUserPort port;
  Tfrmdicttools window(port);
  window.ShowModeless();
  auto* area = window.findChild<tarn::dicttools::LineTextArea*>(QStringLiteral("TntRichEdit1"));
  auto* open = window.findChild<QToolButton*>(QStringLiteral("RzBitBtn5"));
  auto* sort = window.findChild<QToolButton*>(QStringLiteral("RzBitBtn19"));

  QElapsedTimer timer;
  for (int round = 0; round < 3; ++round) {
    port.open_answers.push_back(tarn::DialogChoice{file, 1});
    timer.start();
    open->click();
    app.processEvents();
    const qint64 open_ms = timer.restart();
    sort->click();
    app.processEvents();
    const qint64 sort_ms = timer.elapsed();
    timer.start();
    const std::u16string text = tarn::dicttools::ReadWordListText(file);
    const qint64 read_ms = timer.restart();
    area->SetText(text);
    app.processEvents();
    const qint64 set_ms = timer.elapsed();
    std::printf(
        "round %d: open %lld ms (file read %lld ms, setting the text %lld ms), "
        "sort (read, sort, write back) %lld ms, %d lines\n",
        round, static_cast<long long>(open_ms), static_cast<long long>(read_ms),
        static_cast<long long>(set_ms), static_cast<long long>(sort_ms), area->LineCount() - 1);
  }
  return 0;
}
