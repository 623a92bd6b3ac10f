#pragma once

#include "analysis/StatisticsState.h"

namespace tarn {

class UserPort;

// The sort, export and save commands over the current statistics and the text view. The sorts
// refuse to run before the first counting run; the writing commands write whatever the text
// view holds, edits included, and change no table. A cancelled dialog does nothing; a file that
// cannot be written ends the command with tarn::Error naming it, leaving the old file in place.
class ListingCommands {
 public:
  // Works on `state` and talks to the user through `port`.
  ListingCommands(StatisticsState& state, UserPort& port);

  // "词频升序" / "词频降序": orders SnapshotTable by count (it keeps that order) and lists it.
  void SortByCount(bool descending);
  // "单词升序" / "单词降序": SnapshotTable's listing with its lines in word order, each ended by
  // CR LF; the table keeps its order.
  void SortByWord(bool descending);

  // "导出为Xls文件": the text view's text, line breaks as CR LF, to the chosen name + ".Xls".
  void ExportXls();
  // "导出为文本": filter 1 writes the text as ExportXls does, filter 2 its one-column list;
  // both to the chosen name + ".txt".
  void ExportText();
  // "保存当前词表": SaveWordList's main-window form, filter 1 name + ".txt", filter 2 name +
  // ".dat" (throws "备份文件不成功！" without writing when the backup fails).
  void SaveCurrentList();

 private:
  // The text view's text with its line breaks as CR LF.
  std::string ViewText() const;

  StatisticsState& state_;
  UserPort& port_;
};

}  // namespace tarn
