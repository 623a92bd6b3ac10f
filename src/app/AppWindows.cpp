#include "app/AppWindows.h"

#include <QApplication>

#include "app/InstanceLock.h"
#include "app/ProgramIcon.h"
#include "app/QtTranslations.h"
#include "app/QtUserPort.h"
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

int RunTarn(int argc, char** argv) {
  // Failing to make the lock at all is no reason not to start.
  InstanceLock lock(InstanceLock::PathFor(kInstanceLockName));
  if (lock.state() == InstanceLock::State::kHeldElsewhere) return 0;

  QApplication application(argc, argv);
  // Without the file the dialogs are in English, which is no reason not to start.
  InstallQtTranslations(application);
  application.setWindowIcon(ProgramIcon());
  // Closing the main window ends the program even while another window is open.
  application.setQuitOnLastWindowClosed(false);
  QtUserPort port;
  AppWindows windows(port, ProgramFiles::OfRunningProgram());
  QObject::connect(&windows.main(), &Tmainfrm::Closed, &application, &QApplication::quit);
  windows.main().show();
  return application.exec();
}

}  // namespace tarn::app
