#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QVector>

#include "ListingList.h"

// The rows of the listing list: each row's raw PETSCII bytes exactly as the directory walk
// appended them. Row r is drawn with row r of the ReverseMap.
//
//   ListingModel model;            // owned by the main window
//   list->setModel(&model);
//   model.Clear();                 // before a new image is listed
//   WalkDirectory(..., model, ...) // appends through quillane::ListingList
class ListingModel : public QAbstractListModel, public quillane::ListingList {
  Q_OBJECT

 public:
  // The row's bytes as a QByteArray.
  static constexpr int RowBytesRole = Qt::UserRole + 1;

  explicit ListingModel(QObject* parent = nullptr);

  // quillane::ListingList: the new row is in the view at once.
  void Append(const quillane::ListingLine& row) override;
  int Count() const override;

  // Empties the list.
  void Clear();

  // The bytes of row `row`; empty outside the list.
  QByteArray RowBytes(int row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  QVector<QByteArray> rows_;
};
