#include "ListingModel.h"

#include <gtest/gtest.h>

namespace {

// Raw bytes pass through unchanged; a row that does not exist is empty and never reversed.
TEST(ListingModelTest, RowsKeepTheirRawBytesUntilCleared) {
  ListingModel model;
  model.Append({"0 \"\x12\xA0\xFF\x05\"", {0xFC}});
  EXPECT_EQ(model.RowBytes(0), QByteArray("0 \"\x12\xA0\xFF\x05\""));
  EXPECT_TRUE(model.RowBytes(1).isEmpty() && model.IsReversed(0, 2) && !model.IsReversed(1, 2));
  model.Clear();
  EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
