#include "ListingModel.h"

#include <gtest/gtest.h>
#include <QSignalSpy>

namespace {

TEST(ListingModelTest, RowsKeepTheirRawBytesUntilCleared) {
  ListingModel model;
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  const std::string header = "0 \"\x12\xA0\xFF\x05NAME\" 01 2A";
  model.Append(header);
  model.Append("12   \"FILE\" PRG");
  EXPECT_EQ(inserted.count(), 2);
  EXPECT_EQ(model.rowCount(), 2);
  const QByteArray bytes = model.index(0).data(ListingModel::RowBytesRole).toByteArray();
  EXPECT_EQ(bytes.toStdString(), header);
  EXPECT_EQ(model.RowBytes(1), QByteArray("12   \"FILE\" PRG"));
  EXPECT_TRUE(model.RowBytes(2).isEmpty());

  model.Clear();
  EXPECT_EQ(model.Count(), 0);
  model.Append("C");
  EXPECT_EQ(model.RowBytes(0), QByteArray("C"));
}

}  // namespace
