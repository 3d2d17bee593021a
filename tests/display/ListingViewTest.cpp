#include <gtest/gtest.h>

#include "ListingFixture.h"

namespace quillane::test {
namespace {

TEST(ListingViewTest, ListBox1IsAFramelessExtendedSelectionListWithoutHorizontalScrolling) {
  ListingListBox list;
  EXPECT_EQ(list.objectName(), "ListBox1");
  EXPECT_EQ(list.selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_EQ(list.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(list.frameWidth(), 0);
  EXPECT_TRUE(list.font().fixedPitch());
  EXPECT_EQ(list.font().pixelSize(), 11);
  EXPECT_EQ(list.ItemHeight(), kSmallCell);
}

TEST(ListingViewTest, ItemsSpanTheViewportFromItsLeftEdgeAtTheItemHeight) {
  ListingFixture f;
  for (int i = 0; i < 5; ++i) f.Add("LINE");
  f.Grab(43, 100);
  const int width = f.list->viewport()->width();
  EXPECT_EQ(width, 43 * 8);
  for (int row = 0; row < 5; ++row) {
    EXPECT_EQ(f.list->visualRect(f.model.index(row)), QRect(0, row * 8, width, 8)) << row;
  }
  f.list->SetItemHeight(kLargeCell);
  f.Grab(43, 100);
  EXPECT_EQ(f.list->visualRect(f.model.index(2)), QRect(0, 32, f.list->viewport()->width(), 16));
  // Wider list, wider rows.
  f.Grab(60, 100);
  EXPECT_EQ(f.list->visualRect(f.model.index(0)).width(), 60 * 16);
}

TEST(ListingViewTest, AppendedRowIsShownWithoutAnyOtherCall) {
  ListingFixture f;
  f.Grab(10, 40);
  f.Add("ABCDEFGHIJ");
  f.map.rows[0][0] = 0xFF;
  QApplication::processEvents();
  const QImage image = f.list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(ReadCell(image, f.Cell(3)).fill, kListingForeground);
}

}  // namespace
}  // namespace quillane::test
