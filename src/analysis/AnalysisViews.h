#pragma once

#include <cstdint>

#include "analysis/StatisticsState.h"

namespace tarn {

class THashTable;
class UserPort;
struct Lexicon;

// The five ways of looking at the counted document. Each view writes its four summary lines
// into the label and a listing into the text view; all but ShowAllWords make their result the
// new SnapshotTable. None of them changes WordTable, the counters or DocumentLoaded, and before
// the first counting run each only tells the user to open a document.
class AnalysisViews {
 public:
  // Works on `state`, reads `lexicon`, talks to the user through `port`.
  AnalysisViews(StatisticsState& state, const Lexicon& lexicon, UserPort& port);

  // "查看全部单词统计": the counted words as they are; SnapshotTable stays.
  void ShowAllWords();
  // "查看过略词后统计": without stop words and filter words, in the table's own order.
  void ShowFiltered();
  // "查看归并单词统计": without stop words, inflected forms merged into their base forms,
  // ordered by descending count.
  void ShowMerged();
  // "查看过略词后归并统计": as ShowMerged, also without filter words before and after merging.
  void ShowFilteredMerged();
  // "归并词根": derived words of the current SnapshotTable merged into their roots, filter
  // words removed, ordered by descending count.
  void MergeRoots();

 private:
  // The summary's two common lines followed by the view's own two.
  void WriteSummary(const char* total_caption, int64_t total, const char* distinct_caption,
                    int64_t distinct);
  // Orders `table` by descending count, makes a copy of it the new SnapshotTable and shows
  // `table`'s listing.
  void ShowSorted(THashTable& table, const char* total_caption, const char* distinct_caption);

  StatisticsState& state_;
  const Lexicon& lexicon_;
  UserPort& port_;
};

}  // namespace tarn
