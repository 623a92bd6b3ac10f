#include "analysis/StatisticsState.h"

namespace tarn {

StatisticsState::StatisticsState()
    : WordTable(std::make_unique<THashTable>(256)),
      SnapshotTable(std::make_unique<THashTable>(256)) {}

}  // namespace tarn
