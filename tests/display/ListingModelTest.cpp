#include "ListingModel.h"

#include <gtest/gtest.h>
#include <QSignalSpy>

namespace {

TEST(ListingModelTest, RowsKeepTheirRawBytesAndBitsUntilCleared) {
  ListingModel model;
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  const std::string header = "0 \"\x12\xA0\xFF\x05NAME\" 01 2A";
  model.Append({header, {0xFC, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x80}});
  model.Append({"12   \"FILE\" PRG", {}});
  EXPECT_EQ(inserted.count(), 2);
  EXPECT_EQ(model.rowCount(), 2);
  const QByteArray bytes = model.index(0).data(ListingModel::RowBytesRole).toByteArray();
  EXPECT_EQ(bytes.toStdString(), header);
  EXPECT_EQ(model.RowBytes(1), QByteArray("12   \"FILE\" PRG"));
  EXPECT_TRUE(model.RowBytes(2).isEmpty());
  EXPECT_EQ(model.index(0).data(ListingModel::ReverseBitsRole).toByteArray(),
            QByteArray("\xFC\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x80"));
  EXPECT_FALSE(model.IsReversed(0, 1));
  EXPECT_TRUE(model.IsReversed(0, 2));
  EXPECT_TRUE(model.IsReversed(0, 79));
  EXPECT_FALSE(model.IsReversed(0, 78));
  EXPECT_FALSE(model.IsReversed(1, 2));

  model.Clear();
  EXPECT_EQ(model.Count(), 0);
  model.Append({"C", {}});
  EXPECT_EQ(model.RowBytes(0), QByteArray("C"));
}

}  // namespace
