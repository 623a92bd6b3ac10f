#include "app/AppWindows.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

#include "app/DocumentHandOver.h"
#include "app/InstanceLock.h"
#include "app/ProgramIcon.h"
#include "app/QtTranslations.h"
#include "app/QtUserPort.h"
#include "app/TarnArguments.h"
#include "app/Uoption.h"
#include "app/main.h"
#include "app/unitabout.h"
#include "concordance/ConcordanceWindow.h"
#include "corpus/CorpusWindow.h"
#include "dicttools/untdicttools.h"
#include "profile/ProfileWindow.h"

namespace tarn::app {

AppWindows::AppWindows(UserPort& port, const ProgramFiles& files)
    : main_(std::make_unique<Tmainfrm>(port, files)),
      dicttools_(std::make_unique<Tfrmdicttools>(port)),
      about_(std::make_unique<TFrmAbout>()),
      option_(std::make_unique<Tfrmoption>()),
      profile_(std::make_unique<tarn::profile::ProfileWindow>(port)),
      concordance_(std::make_unique<tarn::concordance::ConcordanceWindow>(port)),
      corpus_(std::make_unique<tarn::corpus::CorpusWindow>(port)) {
  main_->AttachWindows(dicttools_.get(), about_.get());
  main_->AttachProfileWindow(profile_.get());
  main_->AttachConcordanceWindow(concordance_.get());
  main_->AttachCorpusWindow(corpus_.get());
}

// The windows go in the reverse of their creation order.
AppWindows::~AppWindows() {
  corpus_.reset();
  concordance_.reset();
  profile_.reset();
  option_.reset();
  about_.reset();
  dicttools_.reset();
  main_.reset();
}

namespace {

QStringList ArgumentsOf(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args.append(QString::fromLocal8Bit(argv[i]));
  return args;
}

// Prints `text` on standard output; the exit status.
int Print(const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

int CommandLineError(const QString& error) {
  std::fprintf(stderr, "tarn: %s\n", error.toLocal8Bit().constData());
  return 1;
}

}  // namespace

int RunTarn(int argc, char** argv) {
  // The help and the version need no display.
  const QStringList given = ArgumentsOf(argc, argv);
  if (AsksForTextOnly(given)) {
    return Print(given.contains(QStringLiteral("--help")) ? TarnHelpText() : TarnVersionText());
  }
  // Failing to make the lock at all is no reason not to start.
  const std::string lock_path = InstanceLock::PathFor(kInstanceLockName);
  InstanceLock lock(lock_path);
  const QString socket_path = DocumentHandOver::SocketPathFor(lock_path);
  if (lock.state() == InstanceLock::State::kHeldElsewhere && argc < 2) return 0;

  QApplication application(argc, argv);
  // Qt has taken its own options out of the arguments by now.
  const TarnArguments arguments = ParseTarnArguments(application.arguments().mid(1));
  if (!arguments.error.isEmpty()) return CommandLineError(arguments.error);
  if (lock.state() == InstanceLock::State::kHeldElsewhere) {
    if (arguments.file.isEmpty()) return 0;
    if (DocumentHandOver::Send(socket_path, QFileInfo(arguments.file).absoluteFilePath())) return 0;
    return CommandLineError(QStringLiteral("the running program did not take ") + arguments.file);
  }
  // Without the file the dialogs are in English, which is no reason not to start.
  InstallQtTranslations(application);
  application.setWindowIcon(ProgramIcon());
  // Closing the main window ends the program even while another window is open.
  application.setQuitOnLastWindowClosed(false);
  QtUserPort port;
  AppWindows windows(port, ProgramFiles::OfRunningProgram());
  Tmainfrm& window = windows.main();
  QObject::connect(&window, &Tmainfrm::Closed, &application, &QApplication::quit);
  DocumentHandOver hand_over;
  if (lock.state() == InstanceLock::State::kAcquired) hand_over.Listen(socket_path);
  QObject::connect(&hand_over, &DocumentHandOver::Received, &window,
                   &Tmainfrm::TakeHandedOverDocument);
  window.show();
  if (!arguments.file.isEmpty()) {
    // Once the window is on the screen, so the count's messages have it behind them.
    QTimer::singleShot(0, &window, [&window, file = arguments.file] { window.OpenDocument(file); });
  }
  return application.exec();
}

}  // namespace tarn::app
