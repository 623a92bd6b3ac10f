#include "profile/LevelBarChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace tarn::profile {

namespace {

constexpr int kMargin = 12;
constexpr int kGap = 8;
constexpr int kMinimumBand = 20;

QColor BarColor(ProfileRow::Kind kind) {
  switch (kind) {
    case ProfileRow::Kind::kStopWords:
      return QColor(0x9e, 0xa7, 0xb3);
    case ProfileRow::Kind::kNames:
      return QColor(0xb0, 0x8f, 0x6a);
    case ProfileRow::Kind::kKnown:
      return QColor(0x4c, 0xa6, 0x6b);
    case ProfileRow::Kind::kLevel:
      return QColor(0x3f, 0x7f, 0xc6);
    case ProfileRow::Kind::kBeyond:
      return QColor(0xd9, 0x53, 0x4f);
  }
  return Qt::gray;
}

QString Percent(int tenths) { return QString::fromStdString(PercentText(tenths)); }

// The axis's end in tenths of a percent: the largest share rounded up to a multiple of 10 %.
int ScaleTenths(const std::vector<ProfileRow>& rows) {
  int largest = 0;
  for (const ProfileRow& row : rows) largest = std::max(largest, row.share_tenths);
  return std::clamp((largest + 99) / 100 * 100, 100, 1000);
}

// The marks a row carries: "95%", "98%", both or none. Only a level can reach the yardsticks;
// the 超纲词 row stands in the verdict for "no level does".
QString CoverageMark(const VocabularyProfile& profile, const ProfileRow& row) {
  if (row.kind != ProfileRow::Kind::kLevel) return QString();
  QStringList marks;
  if (row.label == profile.coverage95) marks << QStringLiteral("95%");
  if (row.label == profile.coverage98) marks << QStringLiteral("98%");
  return marks.isEmpty() ? QString() : QStringLiteral("覆盖") + marks.join(u'/');
}

}  // namespace

LevelBarChart::LevelBarChart(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void LevelBarChart::SetProfile(const VocabularyProfile& profile, const QString& title) {
  profile_ = profile;
  title_ = title;
  update();
}

QImage LevelBarChart::Image() const {
  QImage image(size(), QImage::Format_ARGB32);
  QPainter painter(&image);
  Paint(painter, image.rect());
  return image;
}

QSize LevelBarChart::minimumSizeHint() const {
  const QFontMetrics metrics(font());
  const int rows = std::max<int>(static_cast<int>(profile_.rows.size()), 11);
  return QSize(metrics.horizontalAdvance(QStringLiteral("专有名词 100.0% 覆盖95%/98%")) + 160,
               3 * metrics.height() + rows * kMinimumBand + 2 * kMargin);
}

QSize LevelBarChart::sizeHint() const {
  const QSize least = minimumSizeHint();
  return QSize(least.width() + 120, least.height() + 60);
}

void LevelBarChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Paint(painter, rect());
}

void LevelBarChart::Paint(QPainter& painter, const QRect& area) const {
  painter.fillRect(area, Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(font());
  const QFontMetrics metrics(font());
  QRect inner = area.adjusted(kMargin, kMargin, -kMargin, -kMargin);

  QFont title_font = font();
  title_font.setBold(true);
  painter.setFont(title_font);
  painter.setPen(QColor(0x22, 0x33, 0x44));
  const int title_height = QFontMetrics(title_font).height();
  painter.drawText(QRect(inner.left(), inner.top(), inner.width(), title_height),
                   Qt::AlignLeft | Qt::AlignVCenter, title_);
  painter.setFont(font());
  inner.setTop(inner.top() + title_height + kGap);
  if (profile_.rows.empty()) return;

  int label_width = 0;
  for (const ProfileRow& row : profile_.rows) {
    label_width =
        std::max(label_width, metrics.horizontalAdvance(QString::fromStdString(row.label)));
  }
  QFont mark_font = font();
  mark_font.setPointSizeF(font().pointSizeF() * 0.85);
  const QFontMetrics mark_metrics(mark_font);
  const int value_width = metrics.horizontalAdvance(QStringLiteral("100.0%"));
  const int mark_width = mark_metrics.horizontalAdvance(QStringLiteral("覆盖95%/98%")) + 10;
  const int axis_height = metrics.height() + 4;
  const QRect plot(inner.left() + label_width + kGap, inner.top(),
                   std::max(1, inner.width() - label_width - 3 * kGap - value_width - mark_width),
                   inner.height() - axis_height);
  const int scale = ScaleTenths(profile_.rows);
  const auto x_of = [&](int tenths) {
    return plot.left() + static_cast<int>(static_cast<int64_t>(plot.width()) * tenths / scale);
  };

  // Grid lines every 10 % (every 20 % on a wide axis) with their figures below the plot.
  const int step = scale > 500 ? 200 : 100;
  for (int tenths = 0; tenths <= scale; tenths += step) {
    const int x = x_of(tenths);
    painter.setPen(QPen(tenths == 0 ? QColor(0x88, 0x88, 0x88) : QColor(0xe2, 0xe6, 0xea), 1));
    painter.drawLine(x, plot.top(), x, plot.bottom());
    painter.setPen(QColor(0x55, 0x5e, 0x68));
    const QString figure = QString::number(tenths / 10) + u'%';
    const int width = metrics.horizontalAdvance(figure);
    painter.drawText(QRect(x - width, plot.bottom() + 2, 2 * width, metrics.height()),
                     Qt::AlignCenter, figure);
  }

  const int rows = static_cast<int>(profile_.rows.size());
  const double band = static_cast<double>(plot.height()) / rows;
  const int bar_height = std::max(6, static_cast<int>(band * 0.62));
  for (int i = 0; i < rows; ++i) {
    const ProfileRow& row = profile_.rows[static_cast<size_t>(i)];
    const int middle = plot.top() + static_cast<int>(band * i + band / 2);
    const QRect line(inner.left(), middle - metrics.height() / 2, label_width, metrics.height());
    painter.setPen(QColor(0x22, 0x33, 0x44));
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(row.label));

    const int end = x_of(row.share_tenths);
    const QRectF bar(plot.left(), middle - bar_height / 2.0, std::max(end - plot.left(), 1),
                     bar_height);
    painter.setPen(Qt::NoPen);
    painter.setBrush(BarColor(row.kind));
    painter.drawRect(bar);

    painter.setPen(QColor(0x22, 0x33, 0x44));
    const QString value = Percent(row.share_tenths);
    const QRect value_box(end + kGap / 2, line.top(), value_width + kGap, metrics.height());
    painter.drawText(value_box, Qt::AlignLeft | Qt::AlignVCenter, value);

    const QString mark = CoverageMark(profile_, row);
    if (mark.isEmpty()) continue;
    const int mark_left = value_box.left() + metrics.horizontalAdvance(value) + kGap;
    const QRectF tag(mark_left, middle - mark_metrics.height() / 2.0 - 1,
                     mark_metrics.horizontalAdvance(mark) + 8, mark_metrics.height() + 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2e, 0x7d, 0x32));
    painter.drawRoundedRect(tag, 3, 3);
    painter.setPen(Qt::white);
    painter.setFont(mark_font);
    painter.drawText(tag, Qt::AlignCenter, mark);
    painter.setFont(font());
  }
}

}  // namespace tarn::profile
