#pragma once

#include <QDialog>
#include <vector>

#include "corpus/CorpusListing.h"

class QLabel;
class QTableView;

namespace tarn {
class UserPort;
}

namespace tarn::corpus {

class CorpusListingModel;

// "语料词表": the corpus listing of the last corpus run as a table (单词, 频次, 文本数, DP),
// sorted by a click on a column's header, its selected rows copied and the whole table exported
// as tab-separated text. Created hidden; closing it hides it.
class CorpusWindow : public QDialog {
  Q_OBJECT

 public:
  // The window, hidden and empty. `port` answers its save dialog and reports its errors; it
  // must outlive the window.
  explicit CorpusWindow(UserPort& port, QWidget* parent = nullptr);

  // Shows `rows` (the corpus listing, in listing order) of a corpus of `texts` texts, as an
  // ordinary window beside the others, raised.
  void ShowListing(const std::vector<CorpusListingRow>& rows, size_t texts);
  // Fills the window again with a new corpus, leaving it where it is.
  void Refresh(const std::vector<CorpusListingRow>& rows, size_t texts);
  // The last run was no corpus run: the window empties and hides.
  void DocumentReplaced();

 public Q_SLOTS:
  // "复制": the selected rows, as shown, to the clipboard, one TAB-separated line each.
  void CopyClick();
  // "导出为文本": the whole table, as shown and with the column names first, to NAME.txt.
  void ExportClick();

 private:
  void BuildWindow();
  void Fill(const std::vector<CorpusListingRow>& rows, size_t texts);
  template <typename Command>
  void Guarded(Command&& command);

  UserPort& port_;
  CorpusListingModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* caption_ = nullptr;
};

}  // namespace tarn::corpus
