#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/StatisticsState.h"

namespace tarn {

class THashTable;
class UserPort;

// Every listing in the main window is rendered with this width.
inline constexpr int32_t kListingWidth = 20;

// The listing of `table` in the text view's code page.
std::string ListingOf(const THashTable& table);

// A view's summary: the run's two lines (running and distinct words), then the view's own two.
void WriteViewSummary(StatisticsState& state, std::string_view total_caption, int64_t total,
                      std::string_view distinct_caption, int64_t distinct);

// Orders `table` by descending count, makes a copy of it the new SnapshotTable, and shows its
// listing under a summary of its totals with the two captions.
void ShowSortedView(StatisticsState& state, UserPort& port, THashTable& table,
                    std::string_view total_caption, std::string_view distinct_caption);

}  // namespace tarn
