#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QVector>
#include <string_view>

#include "ListingList.h"

// The rows of the listing list: each row's raw PETSCII bytes and its reverse-video bits exactly
// as the directory walk appended them. Delegates read both through roles.
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
  // The row's reverse-video bits as a QByteArray of 10 bytes: column c is bit c % 8 of byte
  // c / 8.
  static constexpr int ReverseBitsRole = Qt::UserRole + 2;

  explicit ListingModel(QObject* parent = nullptr);

  // quillane::ListingList: the new row is in the view at once.
  void Append(const quillane::ListingRow& row) override;
  int Count() const override;

  // Empties the list.
  void Clear();

  // The bytes of row `row`; empty outside the list.
  QByteArray RowBytes(int row) const;
  // Whether the cell at `column` of row `row` is drawn reversed.
  bool IsReversed(int row, int column) const;

  // A row's bits as handed out by ReverseBitsRole, viewed as the engine's row of bits; no
  // bits at all for anything but a row's own 10 bytes.
  static const quillane::ReverseMap::Row& BitsOf(const QByteArray& reverse);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  struct Row {
    QByteArray text;
    QByteArray reverse;  // always ReverseMap::kRowBytes bytes
  };
  QVector<Row> rows_;
};
