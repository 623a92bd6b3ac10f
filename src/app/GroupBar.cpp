#include "app/GroupBar.h"

#include <QButtonGroup>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarn::app {

namespace {

// Rows a pixel tighter than a tool button's own height, so that every group fits the window's
// height without scrolling.
constexpr int kItemHeight = 22;

}  // namespace

GroupBar::GroupBar(QWidget* parent) : QScrollArea(parent) {
  auto* content = new QWidget(this);
  column_ = new QVBoxLayout(content);
  column_->setContentsMargins(4, 2, 4, 2);
  column_->setSpacing(0);
  column_->addStretch(1);
  selection_ = new QButtonGroup(this);
  selection_->setExclusive(true);
  setWidget(content);
  setWidgetResizable(true);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void GroupBar::AddGroup(const QString& caption) {
  auto* header = new QLabel(caption, widget());
  header->setObjectName(QStringLiteral("groupHeader"));
  header->setStyleSheet(
      QStringLiteral("QLabel#groupHeader { font-weight: bold; color: white; padding: 2px 6px;"
                     " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #2f5f9f,"
                     " stop:1 #7fa6d6); border-radius: 3px; }"));
  if (column_->count() > 1) column_->insertSpacing(column_->count() - 1, 3);
  column_->insertWidget(column_->count() - 1, header);
}

QToolButton* GroupBar::AddItem(const QString& caption, const QString& object_name,
                               const QIcon& icon, bool visible) {
  auto* item = new QToolButton(widget());
  item->setObjectName(object_name);
  item->setText(caption);
  item->setIcon(icon);
  item->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  item->setAutoRaise(true);
  item->setCheckable(true);
  item->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  item->setFixedHeight(kItemHeight);
  item->setVisible(visible);
  selection_->addButton(item);
  column_->insertWidget(column_->count() - 1, item);
  return item;
}

}  // namespace tarn::app
