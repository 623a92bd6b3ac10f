#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <string>
#include <vector>

#include "concordance/Concordance.h"

namespace tarn::concordance {

// The lines of a concordance as three columns (left context, occurrence, right context) in a
// chosen order. Cells are converted from code page 936 only when the view asks for them, so
// that a concordance of many thousands of lines opens at once.
class ConcordanceModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kLeft, kOccurrence, kRight, kColumns };

  explicit ConcordanceModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  // Shows the lines of `found` in `order` (indices into it); nothing when `found` is null.
  // `found` must stay unchanged while it is shown.
  void SetLines(const Concordance* found, std::vector<size_t> order);

  // The font of the occurrences, which stand out from their contexts.
  void SetKeywordFont(const QFont& font) { keyword_font_ = font; }

  // Row `row` as LEFT TAB OCCURRENCE TAB RIGHT, code page 936.
  std::string LineBytes(int row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  QFont keyword_font_;
  const Concordance* found_ = nullptr;
  std::vector<size_t> order_;
};

}  // namespace tarn::concordance
