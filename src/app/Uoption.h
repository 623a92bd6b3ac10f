#pragma once

#include <QDialog>

class QGroupBox;

// The settings window. It is built with its controls and created hidden with the others, but no
// command shows it and nothing reads its controls; only "退出" does anything (it hides it).
class Tfrmoption : public QDialog {
  Q_OBJECT

 public:
  // The window, hidden, every check box unchecked and the fields at their defaults.
  explicit Tfrmoption(QWidget* parent = nullptr);

 public Q_SLOTS:
  // "退出": closes (hides) the window.
  void RzBitBtn6Click();

 private:
  QWidget* BuildToolbar();
  QGroupBox* BuildWordForms();
  QGroupBox* BuildLimits();
  QGroupBox* BuildWordListFiles();
};
