#include "profile/ProfileIcons.h"

#include <QPainter>
#include <QPixmap>

namespace tarn::profile {

namespace {

constexpr int kSize = 16;

QPixmap Blank() {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

QIcon LevelChartIcon() {
  QPixmap pixmap = Blank();
  QPainter painter(&pixmap);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x3f, 0x7f, 0xc6));
  painter.drawRect(2, 8, 3, 6);
  painter.drawRect(7, 3, 3, 11);
  painter.setBrush(QColor(0xd9, 0x53, 0x4f));
  painter.drawRect(12, 10, 3, 4);
  painter.setPen(QColor(0x44, 0x44, 0x44));
  painter.drawLine(1, 15, 15, 15);
  return QIcon(pixmap);
}

QIcon BeyondLevelIcon() {
  QPixmap pixmap = Blank();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0x3f, 0x7f, 0xc6), 2));
  painter.drawLine(1, 12, 15, 12);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xd9, 0x53, 0x4f));
  painter.drawPolygon(QPolygonF({QPointF(8, 1), QPointF(13, 7), QPointF(3, 7)}));
  painter.drawRect(QRectF(6.5, 6, 3, 4));
  return QIcon(pixmap);
}

}  // namespace tarn::profile
