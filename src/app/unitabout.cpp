#include "app/unitabout.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "app/ProgramFiles.h"
#include "app/ProgramIcon.h"

TFrmAbout::TFrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FrmAbout"));
  setWindowTitle(QStringLiteral("关于..."));
  setFixedSize(424, 259);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Image1"));
  picture->setFixedSize(33, 33);
  picture->setPixmap(tarn::app::ProgramPixmap(33));

  auto* title = new QLabel(QStringLiteral("TarN  英语词频统计软件"), this);
  title->setObjectName(QStringLiteral("RzLabel1"));
  title->setStyleSheet(
      QStringLiteral("QLabel { font-size: 17px; font-weight: bold; color: #1f3f7f; }"
                     " QLabel:hover { color: #d04010; }"));

  auto* heading = new QHBoxLayout;
  heading->addWidget(picture);
  heading->addSpacing(10);
  heading->addWidget(title, 1);

  auto* credits = new QLabel(QStringLiteral("为英语学习者编写的词频统计与词表整理工具。\n"
                                            "统计文章、合并词形、整理生词表。"),
                             this);
  credits->setObjectName(QStringLiteral("RzLabel2"));

  RzVersionInfoStatus1 = new QLabel(this);
  RzVersionInfoStatus1->setObjectName(QStringLiteral("RzVersionInfoStatus1"));
  RzVersionInfoStatus1->setFixedSize(233, 33);
  RzVersionInfoStatus1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  RzVersionInfoStatus1->setStyleSheet(QStringLiteral("QLabel { font-size: 16px; }"));
  RzVersionInfoStatus1->setIndent(6);

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);

  auto* quit = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                               QStringLiteral("退出"), this);
  quit->setObjectName(QStringLiteral("RzBitBtn1"));
  connect(quit, &QPushButton::clicked, this, &TFrmAbout::RzBitBtn1Click);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(quit);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(16, 16, 16, 12);
  column->addLayout(heading);
  column->addSpacing(8);
  column->addWidget(credits);
  column->addStretch(1);
  column->addWidget(RzVersionInfoStatus1);
  column->addSpacing(8);
  column->addWidget(line);
  column->addLayout(buttons);
}

void TFrmAbout::ShowModeless() {
  if (!isVisible()) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      QRect frame = frameGeometry();
      frame.moveCenter(screen->availableGeometry().center());
      move(frame.topLeft());
    }
  }
  show();
  raise();
  activateWindow();
}

void TFrmAbout::RzBitBtn1Click() { close(); }

void TFrmAbout::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TFrmAbout::FormShow() {
  RzVersionInfoStatus1->setText(QStringLiteral("当前版本：") +
                                QString::fromStdString(tarn::app::FileVersion()));
}
