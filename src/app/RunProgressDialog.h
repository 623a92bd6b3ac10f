#pragma once

#include <QDialog>

#include "analysis/RunProgress.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace tarn::app {

// The progress of a long counting run: files and bytes done of their totals, the current
// file, and 取消. Closing it, Escape and 取消 all ask for the cancel; the dialog stays until the
// run has stopped, and the window that owns it takes no input meanwhile.
class RunProgressDialog : public QDialog {
  Q_OBJECT

 public:
  explicit RunProgressDialog(QWidget* parent);

  // A run begins: no figures yet, 取消 enabled.
  void Start();
  // Shows `figures`.
  void ShowFigures(const RunProgress::Figures& figures);
  // The cancel was asked for and is being carried out.
  void ShowCancelling();

  // Asks for the cancel instead of closing.
  void reject() override;

 Q_SIGNALS:
  void CancelRequested();

 private:
  QLabel* files_label_ = nullptr;
  QLabel* bytes_label_ = nullptr;
  QLabel* current_label_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
};

}  // namespace tarn::app
