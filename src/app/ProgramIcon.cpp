#include "app/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace tarn::app {

QPixmap ProgramPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  QPainterPath tile;
  tile.addRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
  QLinearGradient blue(0, 0, 0, s);
  blue.setColorAt(0, QColor(0x3b, 0x6f, 0xb6));
  blue.setColorAt(1, QColor(0x1f, 0x3f, 0x7f));
  painter.fillPath(tile, blue);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(s * 0.2, s * 0.2, s * 0.6, s * 0.16));
  painter.drawRect(QRectF(s * 0.42, s * 0.2, s * 0.16, s * 0.6));
  painter.setBrush(QColor(0x9f, 0xd0, 0xff));
  painter.drawRect(QRectF(s * 0.2, s * 0.7, s * 0.16, s * 0.1));
  painter.drawRect(QRectF(s * 0.64, s * 0.58, s * 0.16, s * 0.22));
  return pixmap;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64}) icon.addPixmap(ProgramPixmap(size));
  return icon;
}

}  // namespace tarn::app
