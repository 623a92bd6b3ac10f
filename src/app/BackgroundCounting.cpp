#include "app/BackgroundCounting.h"

#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <exception>
#include <thread>

#include "app/RunProgressDialog.h"

namespace tarn::app {

namespace {

// How often the dialog reads the run's figures and sees whether it has ended.
constexpr int kPollMilliseconds = 40;

}  // namespace

BackgroundCounting::BackgroundCounting(QWidget* window)
    : dialog_(new RunProgressDialog(window)) {}

void BackgroundCounting::Run(const std::function<void(RunProgress*)>& counting) {
  RunProgress progress;
  std::atomic<bool> ended{false};
  std::exception_ptr failure;
  dialog_->Start();
  // Shown before the thread starts, so that no click reaches the other windows during the run.
  dialog_->show();
  std::thread worker([&] {
    try {
      counting(&progress);
    } catch (...) {
      failure = std::current_exception();
    }
    ended.store(true);
  });
  QEventLoop loop;
  QTimer poll;
  poll.setInterval(kPollMilliseconds);
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (!progress.Cancelled()) dialog_->ShowFigures(progress.Now());
    if (ended.load()) loop.quit();
  });
  const QMetaObject::Connection cancel =
      QObject::connect(dialog_, &RunProgressDialog::CancelRequested, &loop, [&] {
        progress.Cancel();
        dialog_->ShowCancelling();
      });
  poll.start();
  loop.exec();
  worker.join();
  QObject::disconnect(cancel);
  if (!progress.Cancelled()) dialog_->ShowFigures(progress.Now());
  dialog_->hide();
  if (progress.Cancelled()) throw RunCancelled();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace tarn::app
