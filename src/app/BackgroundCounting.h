#pragma once

#include <functional>

#include "analysis/RunProgress.h"

class QWidget;

namespace tarn::app {

class RunProgressDialog;

// Runs the counting half of a long run on a thread of its own while the window thread shows
// its progress in a modal dialog and goes on painting; 取消 cancels the run. Use Host() as the
// run's CountingHost.
class BackgroundCounting {
 public:
  // The dialog is a child of `window`, hidden until a run.
  explicit BackgroundCounting(QWidget* window);

  // Runs `counting` to its end on another thread, showing its progress meanwhile, and rethrows
  // what it threw. Throws RunCancelled when the user cancelled, even if the counting had
  // already finished, so that a cancel always leaves the statistics as they were.
  void Run(const std::function<void(RunProgress*)>& counting);
  // Run, as a counting host.
  CountingHost Host() {
    return [this](const std::function<void(RunProgress*)>& counting) { Run(counting); };
  }

 private:
  RunProgressDialog* dialog_;
};

}  // namespace tarn::app
