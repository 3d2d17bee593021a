#include "CellGeometry.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

TEST(CellGeometryTest, CellLookFollowsTextLengthThenReverseBit) {
  struct Case {
    int column;
    int length;
    bool bit;
    CellLook expected;
  };
  const Case cases[] = {
      {0, 3, false, CellLook::kNormal},  {2, 3, true, CellLook::kReversed},
      {3, 3, true, CellLook::kBlank},    {3, 3, false, CellLook::kBlank},
      {0, 0, true, CellLook::kBlank},    {79, 80, true, CellLook::kReversed},
      {80, 90, true, CellLook::kNormal}, {89, 90, false, CellLook::kNormal},
      {90, 90, false, CellLook::kBlank}, {42, 3, true, CellLook::kBlank},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LookOfCell(c.column, c.length, c.bit), c.expected)
        << "column " << c.column << " length " << c.length << " bit " << c.bit;
  }
}

TEST(CellGeometryTest, CellsCoverTheWholeWidthIncludingAPartialLastCell) {
  struct Case {
    int width;
    int side;
    int cells;
  };
  const Case cases[] = {{640, 8, 80}, {344, 8, 43},  {345, 8, 44}, {7, 8, 1},
                        {0, 8, 0},    {640, 16, 40}, {100, 16, 7}, {100, 0, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(CellCount(c.width, c.side), c.cells) << c.width << " / " << c.side;
  }
}

TEST(CellGeometryTest, CellRectStartsAtItemLeftPlusColumnTimesSide) {
  struct Case {
    QRect item;
    int side;
    int column;
    QRect expected;
  };
  const Case cases[] = {
      {QRect(0, 0, 640, 8), 8, 0, QRect(0, 0, 8, 8)},
      {QRect(0, 16, 640, 8), 8, 3, QRect(24, 16, 8, 8)},
      {QRect(0, 32, 640, 16), 16, 39, QRect(624, 32, 16, 16)},
      {QRect(5, 0, 20, 8), 8, 2, QRect(21, 0, 8, 8)},  // reaches past the right edge
  };
  for (const Case& c : cases) EXPECT_EQ(CellRect(c.item, c.side, c.column), c.expected);
}

TEST(CellGeometryTest, FaceFollowsTheCharacterSetChoice) {
  EXPECT_STREQ(CharsetFontOf(CharsetOfChoice(true)).face, "Vexa-Dir-Upper");
  EXPECT_STREQ(CharsetFontOf(CharsetOfChoice(false)).face, "Vexa-Dir-Lower");
}

}  // namespace
}  // namespace quillane
