#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <string>
#include <vector>

#include "corpus/CorpusListing.h"

namespace tarn::corpus {

// The corpus listing as a table of four columns (单词, 频次, 文本数, DP), in listing order until
// it is sorted by a column. Ties keep the listing order whichever way a column is sorted.
class CorpusListingModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kWord, kCount, kRange, kDp, kColumns };

  explicit CorpusListingModel(QObject* parent = nullptr);

  // Replaces the rows, in listing order.
  void SetRows(const std::vector<CorpusListingRow>& rows);

  // The shown rows `rows` (all when empty), one line each: the four columns separated by
  // TABs, DP with three decimals, every line ended by `line_end`. With `header`, the column
  // names come first.
  QString LinesText(const std::vector<int>& rows, bool header, const QString& line_end) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  // Sorts by `column`, words in the collation order of the system's comparison; a column
  // outside the table restores the listing order.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

 private:
  struct Row {
    QString word;
    std::string collation_key;
    int64_t count;
    uint32_t range;
    double dp;
    QString dp_text;
  };

  QString Cell(const Row& row, int column) const;

  std::vector<Row> rows_;     // in listing order
  std::vector<int> shown_;    // indexes into rows_, in the order shown
};

}  // namespace tarn::corpus
