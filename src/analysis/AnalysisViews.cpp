#include "analysis/AnalysisViews.h"

#include <string>

#include "analysis/DocumentGuard.h"
#include "analysis/TableFolding.h"
#include "analysis/ViewOutput.h"
#include "morphology/Lexicon.h"
#include "wordlists/UserPort.h"
#include "wordtable/Hashtable.h"

namespace tarn {

namespace {

constexpr char kStoppedLine[] = "该文档停用不同单词数：";
constexpr char kLeftLine[] = "该文档停用部分词后不同单词数：";
constexpr char kFilteredTotal[] = "该文档过滤部分词后单词总数：";
constexpr char kFilteredDistinct[] = "该文档过滤部分词后不同单词数：";
constexpr char kMergedTotal[] = "该文档归并部分词后单词总数：";
constexpr char kMergedDistinct[] = "该文档归并部分词后不同单词数：";
constexpr char kFilteredMergedTotal[] = "该文档过滤部分词且归并后单词总数：";
constexpr char kFilteredMergedDistinct[] = "该文档过滤部分词且归并后不同单词数：";

}  // namespace

AnalysisViews::AnalysisViews(StatisticsState& state, const Lexicon& lexicon, UserPort& port)
    : state_(state), lexicon_(lexicon), port_(port) {}

void AnalysisViews::ShowAllWords() {
  if (!RequireDocument(state_, port_)) return;
  WriteSummary(kStoppedLine, state_.StoppedDistinct, kLeftLine, state_.WordTable->ItemCount());
  state_.text_view = ListingOf(*state_.WordTable);
}

void AnalysisViews::ShowFiltered() {
  if (!RequireDocument(state_, port_)) return;
  std::unique_ptr<THashTable> table = state_.WordTable->Clone();
  table->Subtract(*lexicon_.StopWords);
  table->Subtract(*lexicon_.FilterWords);
  state_.SetSnapshotTable(table->Clone());
  table.reset();
  const THashTable& snapshot = state_.SnapshotTable();
  WriteSummary(kFilteredTotal, snapshot.TotalCount(), kFilteredDistinct, snapshot.ItemCount());
  state_.text_view = ListingOf(snapshot);
}

void AnalysisViews::ShowMerged() {
  if (!RequireDocument(state_, port_)) return;
  std::unique_ptr<THashTable> table = state_.WordTable->Clone();
  table->Subtract(*lexicon_.StopWords);
  table->MergePairs(lexicon_.IrregularPairs);
  const ReducerTables tables = lexicon_.Reducers();
  FoldTable(*table, [&tables](std::string_view word) { return StemWord(word, tables); });
  ShowSorted(*table, kMergedTotal, kMergedDistinct);
}

void AnalysisViews::ShowFilteredMerged() {
  if (!RequireDocument(state_, port_)) return;
  std::unique_ptr<THashTable> table = state_.WordTable->Clone();
  table->Subtract(*lexicon_.FilterWords);
  table->Subtract(*lexicon_.StopWords);
  table->MergePairs(lexicon_.IrregularPairs);
  const ReducerTables tables = lexicon_.Reducers();
  FoldTable(*table, [&tables](std::string_view word) { return StemWord(word, tables); });
  // Base forms that are filter words go too, even when only their inflections occurred.
  table->Subtract(*lexicon_.FilterWords);
  ShowSorted(*table, kFilteredMergedTotal, kFilteredMergedDistinct);
}

void AnalysisViews::MergeRoots() {
  if (!RequireDocument(state_, port_)) return;
  // Clone re-inserts every key, so a snapshot that a sort has reordered can be searched again.
  std::unique_ptr<THashTable> table = state_.SnapshotTable().Clone();
  const ReducerTables tables = lexicon_.Reducers();
  FoldTable(*table, [&tables](std::string_view word) { return RootWord(word, tables); });
  table->Subtract(*lexicon_.FilterWords);
  ShowSorted(*table, kFilteredMergedTotal, kFilteredMergedDistinct);
}

void AnalysisViews::WriteSummary(const char* total_caption, int64_t total,
                                 const char* distinct_caption, int64_t distinct) {
  WriteViewSummary(state_, total_caption, total, distinct_caption, distinct);
}

void AnalysisViews::ShowSorted(THashTable& table, const char* total_caption,
                               const char* distinct_caption) {
  ShowSortedView(state_, port_, table, total_caption, distinct_caption);
}

}  // namespace tarn
