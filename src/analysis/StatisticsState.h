#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "analysis/NameEvidence.h"
#include "wordtable/Hashtable.h"

namespace tarn {

// The statistics of the main window, shared by the counting runs, the analysis views and the
// sort, save and export commands. The shell owns one and hands it to every command; the window
// mirrors `text_view` and `summary_label` after each command.
struct StatisticsState {
  // Empty 256-bucket tables, zero counters, no document.
  StatisticsState();

  // The counted words of the last run, stop words removed.
  std::unique_ptr<THashTable> WordTable;
  // What the sort, save and export commands work on: the last run's or view's result.
  THashTable& SnapshotTable() const;
  // Makes `table` the snapshot.
  void SetSnapshotTable(std::unique_ptr<THashTable> table);
  // Makes a Clone of WordTable the snapshot. The copy is made the first time the snapshot is
  // asked for, so that a document that is only listed after its run never holds its words
  // twice; until then only a run that sets a new snapshot may change WordTable.
  void SnapshotWordTable();
  // Running words of the last run, stop words included.
  int64_t TotalWords = 0;
  // Distinct words of the last run, stop words included.
  int64_t DistinctWords = 0;
  // Distinct words that the stop-word removal took out.
  int64_t StoppedDistinct = 0;
  // The counting runs completed so far: what is worked out beside a run can tell by it whether
  // that run is still the last.
  uint64_t completed_runs = 0;
  // False until the first completed run; the views and sort commands refuse to run before.
  bool DocumentLoaded = false;
  // How the last run's words were written, for telling names apart; each run replaces it with
  // the tables, and nothing else changes it.
  NameEvidence name_evidence;

  // The text view's whole text, in code page 936.
  std::string text_view;
  // The summary label's text (UTF-8), its lines joined by a single CR.
  std::string summary_label;

 private:
  // Null while the copy of WordTable is still to be made.
  mutable std::unique_ptr<THashTable> snapshot_;
};

}  // namespace tarn
