#include "app/Uoption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QGroupBox* CheckBoxes(const QString& title, std::initializer_list<const char*> captions,
                      QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  auto* column = new QVBoxLayout(box);
  for (const char* caption : captions) column->addWidget(new QCheckBox(QString::fromUtf8(caption)));
  column->addStretch(1);
  return box;
}

}  // namespace

Tfrmoption::Tfrmoption(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmoption"));
  setWindowTitle(QStringLiteral("frmoption"));
  resize(591, 514);
  auto* column = new QVBoxLayout(this);
  column->addWidget(BuildToolbar());
  auto* forms = new QHBoxLayout;
  forms->addWidget(BuildWordForms());
  forms->addWidget(BuildLimits());
  column->addLayout(forms);
  column->addWidget(BuildWordListFiles());
}

QWidget* Tfrmoption::BuildToolbar() {
  auto* bar = new QWidget(this);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  for (const char* caption : {"清空全部", "选择全部", "恢复默认", "保存配置", "装载配置"}) {
    row->addWidget(new QPushButton(QString::fromUtf8(caption), bar));
  }
  auto* quit = new QPushButton(QStringLiteral("退出"), bar);
  quit->setObjectName(QStringLiteral("RzBitBtn6"));
  connect(quit, &QPushButton::clicked, this, &Tfrmoption::RzBitBtn6Click);
  row->addWidget(quit);
  row->addStretch(1);
  return bar;
}

QGroupBox* Tfrmoption::BuildWordForms() {
  auto* box = new QGroupBox(QStringLiteral("词的构成"), this);
  auto* row = new QHBoxLayout(box);
  row->addWidget(CheckBoxes(QStringLiteral("词的构成"),
                            {"合并复数形式", "合并ing形式", "合并过去分词", "合并最高级",
                             "合并比较级", "合并不规则形式", "使用PortStem算法循环归并"},
                            box));
  row->addWidget(
      CheckBoxes(QStringLiteral("词的构成"), {"大小写敏感", "自动识别电子邮箱地址"}, box));
  return box;
}

QGroupBox* Tfrmoption::BuildLimits() {
  auto* box = new QGroupBox(QStringLiteral("忽略词长和频度"), this);
  auto* grid = new QGridLayout(box);
  const std::pair<const char*, int> limits[] = {
      {"词长小于", 2}, {"词长大于", 14}, {"频度大于", 100}, {"频度小于", 2}};
  int row = 0;
  for (const auto& [caption, value] : limits) {
    grid->addWidget(new QCheckBox(QString::fromUtf8(caption), box), row, 0);
    auto* number = new QSpinBox(box);
    number->setRange(0, 100000);
    number->setValue(value);
    grid->addWidget(number, row++, 1);
  }
  grid->addWidget(new QCheckBox(QStringLiteral("注释符号："), box), row++, 0);
  int column = 0;
  for (const char* marker : {"/*", "*/", "//", ""}) {
    grid->addWidget(new QLineEdit(QString::fromUtf8(marker), box), row + column / 2, column % 2);
    ++column;
  }
  return box;
}

QGroupBox* Tfrmoption::BuildWordListFiles() {
  auto* box = new QGroupBox(QStringLiteral("词表文件设定"), this);
  auto* grid = new QGridLayout(box);
  int row = 0;
  for (const char* caption :
       {"选择停用词表", "选择比较词表", "选择词根词表", "选择召回词表", "选择允许词表"}) {
    grid->addWidget(new QPushButton(QString::fromUtf8(caption), box), row, 0);
    auto* history = new QComboBox(box);
    history->setEditable(true);
    grid->addWidget(history, row, 1);
    grid->addWidget(new QPushButton(QStringLiteral("清空"), box), row++, 2);
  }
  grid->setColumnStretch(1, 1);
  return box;
}

void Tfrmoption::RzBitBtn6Click() { close(); }
