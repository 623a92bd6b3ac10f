#include "profile/LevelChooser.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarn::profile {

namespace {

struct LadderCaption {
  Ladder ladder;
  const char* caption;
};

constexpr LadderCaption kLadders[] = {
    {Ladder::kExam, "考试"},
    {Ladder::kFrequency, "词频"},
};

constexpr char kStartLevel[] = "四级";

}  // namespace

LevelChooser::LevelChooser(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmlevelchooser"));
  setWindowTitle(QStringLiteral("超出等级的生词"));
  setWindowModality(Qt::WindowModal);

  auto* prompt =
      new QLabel(QStringLiteral("选择你已经掌握的词汇等级，列出本文中超出这一等级的生词："), this);
  prompt->setWordWrap(true);
  combo_ = new QComboBox(this);
  combo_->setObjectName(QStringLiteral("LevelCombo"));
  for (const LadderCaption& ladder : kLadders) {
    if (combo_->count() > 0) combo_->insertSeparator(combo_->count());
    for (const LevelDefinition& level : LevelsOf(ladder.ladder)) {
      const QString text =
          QString::fromUtf8(ladder.caption) + QStringLiteral(" · ") +
          QString::fromUtf8(level.label.data(), static_cast<qsizetype>(level.label.size()));
      combo_->addItem(text, static_cast<int>(levels_.size()));
      if (level.label == kStartLevel) combo_->setCurrentIndex(combo_->count() - 1);
      levels_.push_back(&level);
    }
  }
  auto* note = new QLabel(
      QStringLiteral("词频等级：K1 是最常用的 1000 个单词原形，K2 再加其后的 1000 个，依此类推。"),
      this);
  note->setWordWrap(true);
  note->setStyleSheet(QStringLiteral("color: #5f6b78;"));

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("LevelOk"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("LevelCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &LevelChooser::Confirm);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(combo_);
  layout->addWidget(note);
  layout->addStretch(1);
  layout->addWidget(buttons);
  setMinimumWidth(360);
}

void LevelChooser::Ask() { open(); }

void LevelChooser::Confirm() {
  const QVariant index = combo_->currentData();
  accept();
  if (index.isValid()) Q_EMIT Chosen(*levels_[index.toUInt()]);
}

}  // namespace tarn::profile
