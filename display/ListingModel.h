#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QVector>

#include "ListingList.h"

namespace quillane::display {

// The rows of the listing list: each row's raw PETSCII bytes and its reverse-video bits exactly
// as the directory walk appended them. The delegate and the copy commands read a row as the
// engine's ListingRow (RowAt), its bytes lent from the model until the list changes.
//
//   ListingModel model;                      // owned by the main window
//   list->setModel(&model);
//   model.Clear();                           // before a new image is listed
//   lister.ListImage(path, model);           // appends through quillane::ListingList
class ListingModel : public QAbstractListModel, public quillane::ListingList {
  Q_OBJECT

 public:
  explicit ListingModel(QObject* parent = nullptr);

  // quillane::ListingList: the new row is in the view at once.
  void Append(const quillane::ListingRow& row) override;
  int Count() const override;

  // Empties the list.
  void Clear();

  // Row `row` with its bits; an empty row, never reversed, outside the list.
  quillane::ListingRow Row(int row) const;
  // The row an index of a ListingModel stands for; an empty row for any other index.
  static quillane::ListingRow RowAt(const QModelIndex& index);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  struct StoredRow {
    QByteArray text;
    quillane::ReverseMap::Row reverse;
  };
  QVector<StoredRow> rows_;
};

}  // namespace quillane::display
