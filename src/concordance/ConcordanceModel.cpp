#include "concordance/ConcordanceModel.h"

#include <QBrush>
#include <QColor>
#include <string_view>

#include "text/CodePage936.h"

namespace tarn::concordance {

namespace {

QString FromCp936(std::string_view text) { return QString::fromStdU16String(Cp936ToUtf16(text)); }

}  // namespace

void ConcordanceModel::SetLines(const Concordance* found, std::vector<size_t> order) {
  beginResetModel();
  found_ = found;
  order_ = found == nullptr ? std::vector<size_t>() : std::move(order);
  endResetModel();
}

std::string ConcordanceModel::LineBytes(int row) const {
  const size_t line = order_[static_cast<size_t>(row)];
  std::string bytes(found_->Left(line));
  bytes += '\t';
  bytes += found_->Occurrence(line);
  bytes += '\t';
  bytes += found_->Right(line);
  return bytes;
}

int ConcordanceModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int ConcordanceModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant ConcordanceModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return QVariant();
  const size_t line = order_[static_cast<size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      switch (index.column()) {
        case kLeft:
          return FromCp936(found_->Left(line));
        case kOccurrence:
          return FromCp936(found_->Occurrence(line));
        default:
          return FromCp936(found_->Right(line));
      }
    case Qt::TextAlignmentRole:
      switch (index.column()) {
        case kLeft:
          return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case kOccurrence:
          return QVariant::fromValue(Qt::AlignHCenter | Qt::AlignVCenter);
        default:
          return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
      }
    case Qt::FontRole:
      return index.column() == kOccurrence ? QVariant(keyword_font_) : QVariant();
    case Qt::ForegroundRole:
      return index.column() == kOccurrence ? QBrush(QColor(0xa0, 0x24, 0x10)) : QVariant();
    case Qt::BackgroundRole:
      return index.column() == kOccurrence ? QBrush(QColor(0xff, 0xf1, 0xb8)) : QVariant();
    default:
      return QVariant();
  }
}

QVariant ConcordanceModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return QVariant();
  if (orientation == Qt::Vertical) return section + 1;
  switch (section) {
    case kLeft:
      return QStringLiteral("左边的上下文");
    case kOccurrence:
      return QStringLiteral("单词");
    default:
      return QStringLiteral("右边的上下文");
  }
}

}  // namespace tarn::concordance
