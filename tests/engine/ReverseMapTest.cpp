#include "ReverseMap.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "ListEmulation.h"

namespace quillane {
namespace {

// The row's 80 columns as '#' (reversed) and '.' (normal).
std::string Cells(const ReverseMap& map, int row) {
  std::string cells;
  for (int c = 0; c < ReverseMap::kColumns; ++c) cells += map.IsReversed(row, c) ? '#' : '.';
  return cells;
}

// Expected cells: the given column ranges reversed, the rest normal.
std::string Mask(std::initializer_list<std::pair<int, int>> ranges) {
  std::string cells(ReverseMap::kColumns, '.');
  for (const auto& [first, last] : ranges) {
    for (int c = first; c <= last; ++c) cells[static_cast<std::size_t>(c)] = '#';
  }
  return cells;
}

std::string Mask(int first, int last) {
  return Mask({{first, last}});
}

const std::string kNone(ReverseMap::kColumns, '.');

TEST(ResetReverseMap, HeaderRowFromColumnTwoOthersClear) {
  ReverseMap map;
  for (auto& row : map.rows) row.fill(0x5A);
  ResetReverseMap(map);
  EXPECT_EQ(map.rows[0],
            (ReverseMap::Row{0xFC, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  for (int r = 1; r < ReverseMap::kRows; ++r) {
    EXPECT_EQ(map.rows[static_cast<std::size_t>(r)], ReverseMap::Row{}) << r;
  }
  EXPECT_EQ(Cells(map, 0), Mask(2, 79));
}

TEST(SetReverseRange, BitOrderAndBounds) {
  const struct {
    int first, last;
    std::string cells;
  } cases[] = {
      {9, 9, Mask(9, 9)},       // byte 1, bit 1
      {0, 7, Mask(0, 7)},       // one whole byte
      {7, 8, Mask(7, 8)},       // across a byte border
      {5, 4, kNone},            // first > last: nothing
      {80, 90, kNone},          // beyond column 79: nothing
      {78, 200, Mask(78, 79)},  // cut at column 79
      {-3, 2, Mask(0, 2)},      // nothing before column 0
      {0, 79, Mask(0, 79)},
  };
  for (const auto& c : cases) {
    ReverseMap map;
    SetReverseRange(map, 3, c.first, c.last, true);
    EXPECT_EQ(Cells(map, 3), c.cells) << c.first << ".." << c.last;
    EXPECT_EQ(Cells(map, 2), kNone);
    EXPECT_EQ(Cells(map, 4), kNone);
  }
  ReverseMap map;
  SetReverseRange(map, 3, 9, 9, true);
  EXPECT_EQ(map.rows[3][1], 0x02);
}

TEST(SetReverseRange, ClearsAndLeavesOtherColumns) {
  ReverseMap map;
  SetReverseRange(map, 0, 0, 79, true);
  SetReverseRange(map, 0, 10, 20, false);
  EXPECT_EQ(Cells(map, 0), Mask({{0, 9}, {21, 79}}));
  SetReverseRange(map, 0, 30, 29, false);
  EXPECT_EQ(Cells(map, 0), Mask({{0, 9}, {21, 79}}));
}

TEST(SetReverseRange, RowsOutsideTheMapAreIgnored) {
  ReverseMap map;
  SetReverseRange(map, -1, 0, 79, true);
  SetReverseRange(map, ReverseMap::kRows, 0, 79, true);
  for (int r = 0; r < ReverseMap::kRows; ++r) EXPECT_EQ(Cells(map, r), kNone);
}

TEST(ClearControlColumns, ClearsControlCellsOnly) {
  ReverseMap map;
  SetReverseRange(map, 1, 0, 79, true);
  // Control: 0x00-0x1F and 0x80-0xA0. Not: 0x20-0x7F and 0xA1-0xFF.
  const std::string text = {'\x1F', '\x20', '\x7F', '\x80', '\x9F', '\xA0', '\xA1', '\xFF', '\x01'};
  ClearControlColumns(map, 1, text, 5);
  EXPECT_EQ(Cells(map, 1), Mask({{0, 4}, {6, 7}, {11, 12}, {14, 79}}));
}

TEST(ClearControlColumns, SkipsColumnsPastSeventyNine) {
  ReverseMap map;
  SetReverseRange(map, 1, 0, 79, true);
  ClearControlColumns(map, 1, std::string(200, '\x12'), 75);
  EXPECT_EQ(Cells(map, 1), Mask(0, 74));
  EXPECT_EQ(map.rows[2], ReverseMap::Row{});

  SetReverseRange(map, 1, 0, 79, true);
  ClearControlColumns(map, 1, std::string(10, '\x12'), 80);
  EXPECT_EQ(Cells(map, 1), Mask(0, 79));
}

}  // namespace
}  // namespace quillane
