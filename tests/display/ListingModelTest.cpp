#include "ListingModel.h"

#include <gtest/gtest.h>

#include <QStringListModel>

namespace {

using namespace quillane::display;

// Raw bytes and bits pass through unchanged, also to an index; a row that does not exist, or an
// index of another model, is empty and never reversed.
TEST(ListingModelTest, RowsKeepTheirRawBytesUntilCleared) {
  ListingModel model;
  const quillane::ReverseMap::Row bits{0xFC, 0, 0, 0, 0, 0, 0, 0, 0, 0x80};
  model.Append({"0 \"\x12\xA0\xFF\x05\"", bits});
  model.Append({"A", {}});
  const quillane::ListingRow row = ListingModel::RowAt(model.index(0));
  EXPECT_EQ(row.text, "0 \"\x12\xA0\xFF\x05\"");
  EXPECT_EQ(row.reverse, bits);
  EXPECT_EQ(model.Row(1).text, "A");
  QStringListModel other({"A"});
  for (const quillane::ListingRow& none :
       {model.Row(2), model.Row(-1), ListingModel::RowAt(other.index(0))}) {
    EXPECT_TRUE(none.text.empty() && none.reverse == quillane::ReverseMap::Row{});
  }
  model.Clear();
  EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
