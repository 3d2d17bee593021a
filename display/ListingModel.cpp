#include "ListingModel.h"

const quillane::ReverseMap::Row& ListingModel::BitsOf(const QByteArray& reverse) {
  static constexpr quillane::ReverseMap::Row kNone{};
  if (reverse.size() != static_cast<qsizetype>(kNone.size())) return kNone;
  return *reinterpret_cast<const quillane::ReverseMap::Row*>(reverse.constData());
}

ListingModel::ListingModel(QObject* parent) : QAbstractListModel(parent) {}

void ListingModel::Append(const quillane::ListingRow& row) {
  const int at = static_cast<int>(rows_.size());
  beginInsertRows(QModelIndex(), at, at);
  rows_.append({QByteArray(row.text.data(), static_cast<qsizetype>(row.text.size())),
                QByteArray(reinterpret_cast<const char*>(row.reverse.data()),
                           static_cast<qsizetype>(row.reverse.size()))});
  endInsertRows();
}

int ListingModel::Count() const {
  return static_cast<int>(rows_.size());
}

void ListingModel::Clear() {
  if (rows_.isEmpty()) return;
  beginResetModel();
  rows_.clear();
  endResetModel();
}

QByteArray ListingModel::RowBytes(int row) const {
  if (row < 0 || row >= rows_.size()) return {};
  return rows_[row].text;
}

bool ListingModel::IsReversed(int row, int column) const {
  if (row < 0 || row >= rows_.size()) return false;
  return quillane::ReverseMap::IsReversed(BitsOf(rows_[row].reverse), column);
}

int ListingModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ListingModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_.size()) return {};
  const Row& row = rows_[index.row()];
  if (role == RowBytesRole) return row.text;
  if (role == ReverseBitsRole) return row.reverse;
  if (role == Qt::DisplayRole) {
    // For accessibility and debugging only; the delegate draws from the bytes.
    return QString::fromLatin1(row.text);
  }
  return {};
}
