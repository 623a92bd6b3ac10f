#include "analysis/ViewOutput.h"

#include "wordlists/UserPort.h"
#include "wordtable/Hashtable.h"

namespace tarn {

namespace {

constexpr char kTotalLine[] = "该文档共有单词数：";
constexpr char kDistinctLine[] = "该文档出现过不同单词数：";

std::string Line(std::string_view caption, int64_t number) {
  return std::string(caption) + std::to_string(number);
}

}  // namespace

std::string ListingOf(const THashTable& table) {
  return table.ListCp936(kListingWidth);
}

void WriteViewSummary(StatisticsState& state, std::string_view total_caption, int64_t total,
                      std::string_view distinct_caption, int64_t distinct) {
  state.summary_label = Line(kTotalLine, state.TotalWords) + '\r' +
                        Line(kDistinctLine, state.DistinctWords) + '\r' +
                        Line(total_caption, total) + '\r' + Line(distinct_caption, distinct);
}

void ShowSortedView(StatisticsState& state, UserPort& port, THashTable& table,
                    std::string_view total_caption, std::string_view distinct_caption) {
  state.text_view.clear();
  {
    BusyCursor busy(port);
    table.Sort(2);
  }
  state.SetSnapshotTable(table.Clone());
  WriteViewSummary(state, total_caption, table.TotalCount(), distinct_caption, table.ItemCount());
  state.text_view = ListingOf(table);
}

}  // namespace tarn
