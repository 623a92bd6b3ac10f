#pragma once

#include <QIcon>

namespace tarn::profile {

// The group bar's icon for "词汇等级分布": three bars of a chart.
QIcon LevelChartIcon();

// The group bar's icon for "超出等级的生词": a new-word mark above a level line.
QIcon BeyondLevelIcon();

}  // namespace tarn::profile
