#include "analysis/StatisticsState.h"

#include <utility>

namespace tarn {

StatisticsState::StatisticsState()
    : WordTable(std::make_unique<THashTable>(256)), snapshot_(std::make_unique<THashTable>(256)) {}

THashTable& StatisticsState::SnapshotTable() const {
  if (!snapshot_) snapshot_ = WordTable->Clone();
  return *snapshot_;
}

void StatisticsState::SetSnapshotTable(std::unique_ptr<THashTable> table) {
  snapshot_ = std::move(table);
}

void StatisticsState::SnapshotWordTable() { snapshot_.reset(); }

}  // namespace tarn
