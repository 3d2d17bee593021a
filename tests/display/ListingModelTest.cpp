#include "ListingModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ListingModelTest, RowsKeepTheirRawBytesAndBitsUntilCleared) {
  ListingModel model;
  const std::string header = "0 \"\x12\xA0\xFF\x05NAME\" 01 2A";
  model.Append({header, {0xFC, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x80}});
  EXPECT_EQ(model.RowBytes(0).toStdString(), header);
  EXPECT_TRUE(model.RowBytes(1).isEmpty());
  // Columns 1, 2, 78, 79 of the row, then a row that does not exist.
  EXPECT_EQ(
      std::vector<bool>({model.IsReversed(0, 1), model.IsReversed(0, 2), model.IsReversed(0, 78),
                         model.IsReversed(0, 79), model.IsReversed(1, 2)}),
      std::vector<bool>({false, true, false, true, false}));
  model.Clear();
  EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
