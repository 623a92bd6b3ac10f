#include "corpus/CorpusListingModel.h"

#include <algorithm>
#include <numeric>

#include "text/CodePage936.h"
#include "text/Collation.h"

namespace tarn::corpus {

namespace {

constexpr const char* kColumnNames[] = {"单词", "频次", "文本数", "DP"};
constexpr const char* kColumnHints[] = {
    "单词（已去掉停用词）",
    "这个单词在全部文本中出现的总次数",
    "出现这个单词的文本数（分布范围）",
    "离散度（Gries DP）：0 表示按各文本的大小均匀分布，接近 1 表示集中在个别文本中",
};

}  // namespace

CorpusListingModel::CorpusListingModel(QObject* parent) : QAbstractTableModel(parent) {}

void CorpusListingModel::SetRows(const std::vector<CorpusListingRow>& rows) {
  beginResetModel();
  rows_.clear();
  rows_.reserve(rows.size());
  for (const CorpusListingRow& row : rows) {
    const std::u16string word = Cp936ToUtf16(row.word);
    rows_.push_back({QString::fromStdU16String(word), CollationKey(word), row.count,
                     row.spread.range, row.spread.dp,
                     QString::fromStdString(DpText(row.spread.dp))});
  }
  shown_.resize(rows_.size());
  std::iota(shown_.begin(), shown_.end(), 0);
  endResetModel();
}

QString CorpusListingModel::Cell(const Row& row, int column) const {
  switch (column) {
    case kWord:
      return row.word;
    case kCount:
      return QString::number(row.count);
    case kRange:
      return QString::number(row.range);
    default:
      return row.dp_text;
  }
}

QString CorpusListingModel::LinesText(const std::vector<int>& rows, bool header,
                                      const QString& line_end) const {
  QString text;
  const auto add_line = [&](auto&& cell) {
    for (int column = 0; column < kColumns; ++column) {
      if (column > 0) text += u'\t';
      text += cell(column);
    }
    text += line_end;
  };
  if (header) add_line([](int column) { return QString::fromUtf8(kColumnNames[column]); });
  const auto add_row = [&](int shown) {
    const Row& row = rows_[static_cast<size_t>(shown_[static_cast<size_t>(shown)])];
    add_line([&](int column) { return Cell(row, column); });
  };
  if (rows.empty()) {
    for (int shown = 0; shown < rowCount(); ++shown) add_row(shown);
  } else {
    for (const int shown : rows) add_row(shown);
  }
  return text;
}

int CorpusListingModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int CorpusListingModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant CorpusListingModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const Row& row = rows_[static_cast<size_t>(shown_[static_cast<size_t>(index.row())])];
  if (role == Qt::DisplayRole) return Cell(row, index.column());
  if (role == Qt::TextAlignmentRole) {
    return static_cast<int>((index.column() == kWord ? Qt::AlignLeft : Qt::AlignRight) |
                            Qt::AlignVCenter);
  }
  return {};
}

QVariant CorpusListingModel::headerData(int section, Qt::Orientation orientation,
                                        int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  if (role == Qt::DisplayRole) return QString::fromUtf8(kColumnNames[section]);
  if (role == Qt::ToolTipRole) return QString::fromUtf8(kColumnHints[section]);
  return {};
}

void CorpusListingModel::sort(int column, Qt::SortOrder order) {
  Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  std::vector<int> old_rows;
  for (const QModelIndex& index : before) old_rows.push_back(shown_[static_cast<size_t>(index.row())]);

  std::iota(shown_.begin(), shown_.end(), 0);
  const auto less = [this, column](int a, int b) {
    const Row& x = rows_[static_cast<size_t>(a)];
    const Row& y = rows_[static_cast<size_t>(b)];
    switch (column) {
      case kWord:
        return x.collation_key < y.collation_key;
      case kCount:
        return x.count < y.count;
      case kRange:
        return x.range < y.range;
      default:
        return x.dp < y.dp;
    }
  };
  if (column >= 0 && column < kColumns) {
    if (order == Qt::AscendingOrder) {
      std::stable_sort(shown_.begin(), shown_.end(), less);
    } else {
      std::stable_sort(shown_.begin(), shown_.end(), [&less](int a, int b) { return less(b, a); });
    }
  }

  std::vector<int> position(shown_.size());
  for (size_t at = 0; at < shown_.size(); ++at) position[static_cast<size_t>(shown_[at])] = static_cast<int>(at);
  QModelIndexList after;
  for (qsizetype i = 0; i < before.size(); ++i) {
    after.push_back(index(position[static_cast<size_t>(old_rows[static_cast<size_t>(i)])], before[i].column()));
  }
  changePersistentIndexList(before, after);
  Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace tarn::corpus
