#pragma once

#include <memory>

#include "app/ProgramFiles.h"

class TFrmAbout;
class Tfrmdicttools;
class Tfrmoption;
class Tmainfrm;

namespace tarn {
class UserPort;
}

namespace tarn::profile {
class ProfileWindow;
}

namespace tarn::concordance {
class ConcordanceWindow;
}

namespace tarn::corpus {
class CorpusWindow;
}

namespace tarn::app {

// The program's windows, created once in their order (main window, dictionary tools, about,
// settings, vocabulary profile, concordance, corpus listing) and all hidden; the main window knows the ones it
// shows.
class AppWindows {
 public:
  // Creates the windows; the main window loads `files` as it is created. `port` must outlive
  // the windows.
  AppWindows(UserPort& port, const ProgramFiles& files);
  ~AppWindows();

  Tmainfrm& main() { return *main_; }
  Tfrmdicttools& dicttools() { return *dicttools_; }
  TFrmAbout& about() { return *about_; }
  Tfrmoption& option() { return *option_; }
  tarn::profile::ProfileWindow& profile() { return *profile_; }
  tarn::concordance::ConcordanceWindow& concordance() { return *concordance_; }
  tarn::corpus::CorpusWindow& corpus() { return *corpus_; }

 private:
  std::unique_ptr<Tmainfrm> main_;
  std::unique_ptr<Tfrmdicttools> dicttools_;
  std::unique_ptr<TFrmAbout> about_;
  std::unique_ptr<Tfrmoption> option_;
  std::unique_ptr<tarn::profile::ProfileWindow> profile_;
  std::unique_ptr<tarn::concordance::ConcordanceWindow> concordance_;
  std::unique_ptr<tarn::corpus::CorpusWindow> corpus_;
};

// The desktop program: one instance per user, the windows, the main window shown (counting the
// FILE of the command line), the event loop until the main window closes. Returns the process's
// exit status. A second start hands its FILE over to the running instance and returns 0 (1 when
// none takes it); without a FILE it returns 0 at once. --help and --version print and end.
int RunTarn(int argc, char** argv);

}  // namespace tarn::app
