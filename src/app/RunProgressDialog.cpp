#include "app/RunProgressDialog.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarn::app {

namespace {

// The bar counts in thousandths of the bytes, which fit its int range however big the run.
constexpr int kBarSteps = 1000;

QString Megabytes(uint64_t bytes) {
  return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1) +
         QStringLiteral(" MB");
}

}  // namespace

RunProgressDialog::RunProgressDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("RunProgressDialog"));
  setWindowTitle(QStringLiteral("正在统计"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowModality(Qt::ApplicationModal);
  files_label_ = new QLabel(this);
  files_label_->setObjectName(QStringLiteral("RunProgressFiles"));
  bytes_label_ = new QLabel(this);
  bytes_label_->setObjectName(QStringLiteral("RunProgressBytes"));
  current_label_ = new QLabel(this);
  current_label_->setObjectName(QStringLiteral("RunProgressCurrent"));
  current_label_->setMinimumWidth(360);
  current_label_->setTextFormat(Qt::PlainText);
  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("RunProgressBar"));
  bar_->setRange(0, kBarSteps);
  bar_->setTextVisible(true);
  cancel_button_ = new QPushButton(QStringLiteral("取消"), this);
  cancel_button_->setObjectName(QStringLiteral("RunCancelButton"));
  cancel_button_->setAutoDefault(false);
  connect(cancel_button_, &QPushButton::clicked, this, &RunProgressDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cancel_button_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(files_label_);
  layout->addWidget(bytes_label_);
  layout->addWidget(current_label_);
  layout->addWidget(bar_);
  layout->addLayout(buttons);
}

void RunProgressDialog::Start() {
  cancel_button_->setEnabled(true);
  cancel_button_->setText(QStringLiteral("取消"));
  ShowFigures({});
}

void RunProgressDialog::ShowFigures(const RunProgress::Figures& figures) {
  files_label_->setText(QStringLiteral("已统计文件：%1 / %2")
                            .arg(figures.files_done)
                            .arg(figures.files_total));
  bytes_label_->setText(QStringLiteral("已读取：%1 / %2")
                            .arg(Megabytes(figures.bytes_done), Megabytes(figures.bytes_total)));
  const QString current = QFileInfo(QFile::decodeName(figures.current_file.c_str())).fileName();
  current_label_->setText(QStringLiteral("当前文件：") + current);
  current_label_->setToolTip(QFile::decodeName(figures.current_file.c_str()));
  const auto share = [](uint64_t done, uint64_t total) {
    return total == 0 ? 0.0 : static_cast<double>(done) / static_cast<double>(total);
  };
  const double done = figures.bytes_total > 0
                          ? share(figures.bytes_done, figures.bytes_total)
                          : share(figures.files_done, figures.files_total);
  const bool finished = figures.files_total > 0 && figures.files_done == figures.files_total;
  bar_->setValue(finished ? kBarSteps : static_cast<int>(done * kBarSteps));
}

void RunProgressDialog::ShowCancelling() {
  cancel_button_->setEnabled(false);
  cancel_button_->setText(QStringLiteral("正在取消…"));
}

void RunProgressDialog::reject() {
  if (cancel_button_->isEnabled()) Q_EMIT CancelRequested();
}

}  // namespace tarn::app
