#include "ListingModel.h"

namespace quillane::display {

ListingModel::ListingModel(QObject* parent) : QAbstractListModel(parent) {}

void ListingModel::Append(const quillane::ListingRow& row) {
  const int at = static_cast<int>(rows_.size());
  beginInsertRows(QModelIndex(), at, at);
  rows_.append({QByteArray(row.text.data(), static_cast<qsizetype>(row.text.size())), row.reverse});
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

quillane::ListingRow ListingModel::Row(int row) const {
  if (row < 0 || row >= rows_.size()) return {};
  const StoredRow& stored = rows_[row];
  return {{stored.text.constData(), static_cast<std::size_t>(stored.text.size())}, stored.reverse};
}

quillane::ListingRow ListingModel::RowAt(const QModelIndex& index) {
  const auto* model = qobject_cast<const ListingModel*>(index.model());
  return model != nullptr ? model->Row(index.row()) : quillane::ListingRow{};
}

int ListingModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ListingModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_.size()) return {};
  if (role == Qt::DisplayRole) {
    // For accessibility and debugging only; the delegate draws from the row's bytes.
    return QString::fromLatin1(rows_[index.row()].text);
  }
  return {};
}

}  // namespace quillane::display
