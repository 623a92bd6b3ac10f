#pragma once

#include <QDialog>

class QLabel;

// The about window: the program's picture and name, a few credit lines and the version field.
// Created hidden; closing it hides it, and showing it again reuses it.
class TFrmAbout : public QDialog {
  Q_OBJECT

 public:
  // The window, hidden.
  explicit TFrmAbout(QWidget* parent = nullptr);

  // Shows the window beside the others without blocking them, brought to the front.
  void ShowModeless();

 public Q_SLOTS:
  // "退出": closes (hides) the window.
  void RzBitBtn1Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Fills the version field, "当前版本：" and the program's file version.
  void FormShow();

  QLabel* RzVersionInfoStatus1 = nullptr;
};
