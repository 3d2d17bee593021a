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
  EXPECT_EQ(model.index(0).data(ListingModel::RowBytesRole).toByteArray().toStdString(), header);
  EXPECT_EQ(model.index(0).data(ListingModel::ReverseBitsRole).toByteArray(),
            QByteArray("\xFC\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x80"));
  EXPECT_EQ(model.RowBytes(1), QByteArray("12   \"FILE\" PRG"));
  EXPECT_TRUE(model.RowBytes(2).isEmpty());
  const bool reversed[][2] = {{model.IsReversed(0, 1), false},  {model.IsReversed(0, 2), true},
                              {model.IsReversed(0, 78), false}, {model.IsReversed(0, 79), true},
                              {model.IsReversed(1, 2), false},  {model.IsReversed(2, 2), false}};
  for (const auto& [got, expected] : reversed) EXPECT_EQ(got, expected);
  model.Clear();
  EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
