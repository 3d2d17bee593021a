#include "SectorOffsetTable.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

constexpr auto O = GeometryMode::Original;
constexpr auto S = GeometryMode::SpeedDOS;

// Track 0 is the end of a chain (offset 0), whatever the sector and the mode.
TEST(SectorOffsetTest, ZoneBordersAndInvalidPairsInEachMode) {
  // clang-format off
  const struct { int track, sector; GeometryMode mode; std::int32_t expected; } cases[] = {
      {1, 0, O, 0x00000}, {1, 20, O, 0x01400}, {17, 20, O, 0x16400}, {18, 0, O, 0x16500}, {18, 18, O, 0x17700},
      {24, 18, O, 0x1E900}, {25, 0, O, 0x1EA00}, {30, 17, O, 0x25500}, {31, 0, O, 0x25600}, {35, 16, O, 0x2AA00},
      {36, 0, S, 0x2AB00}, {40, 16, S, 0x2FF00}, {18, 19, O, -1}, {1, 21, O, -1}, {-1, 0, O, -1}, {36, 0, O, -1},
      {1, -1, O, -1}, {25, 18, O, -1}, {31, 17, O, -1}, {30, 18, S, -1}, {41, 0, S, -1}, {0, 0, O, 0}, {0, -5, S, 0}};
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(SectorOffset(c.track, c.sector, c.mode), c.expected) << c.track << "/" << c.sector;
  }
}

}  // namespace
}  // namespace quillane
