#pragma once

#include <QImage>
#include <QWidget>

#include "profile/VocabularyProfile.h"

class QPainter;

namespace tarn::profile {

// A horizontal bar per row of a vocabulary profile, in the table's order: the row's label on
// the left, its share of the running words as a bar and as a figure, and a mark on the levels
// at which the cumulative share reaches 95 % and 98 %.
class LevelBarChart : public QWidget {
  Q_OBJECT

 public:
  // An empty chart.
  explicit LevelBarChart(QWidget* parent = nullptr);

  // Shows `profile`'s rows; `title` heads the chart.
  void SetProfile(const VocabularyProfile& profile, const QString& title);

  // The chart drawn at the widget's current size, on a white ground.
  QImage Image() const;

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Paint(QPainter& painter, const QRect& area) const;

  VocabularyProfile profile_;
  QString title_;
};

}  // namespace tarn::profile
