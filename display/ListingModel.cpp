#include "ListingModel.h"

ListingModel::ListingModel(QObject* parent) : QAbstractListModel(parent) {}

void ListingModel::Append(const quillane::ListingLine& row) {
  const int at = static_cast<int>(rows_.size());
  beginInsertRows(QModelIndex(), at, at);
  rows_.append(QByteArray(row.data(), static_cast<qsizetype>(row.size())));
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
  return rows_[row];
}

int ListingModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ListingModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_.size()) return {};
  if (role == RowBytesRole) return rows_[index.row()];
  if (role == Qt::DisplayRole) {
    // For accessibility and debugging only; the delegate draws from the bytes.
    return QString::fromLatin1(rows_[index.row()]);
  }
  return {};
}
