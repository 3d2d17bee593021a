#include "SectorOffsetTable.h"

#include <gtest/gtest.h>

#include "BlocksFree.h"
#include "ImageBuilder.h"

namespace quillane {
namespace {

using test::ImageBuilder;
using test::kBam;
constexpr auto O = GeometryMode::Original;
constexpr auto S = GeometryMode::SpeedDOS;

// Track 0 is the end of a chain (offset 0), whatever the sector and the mode.
TEST(SectorOffsetTest, ZoneBordersAndInvalidPairsInEachMode) {
  const struct {
    int track, sector;
    GeometryMode mode;
    std::int32_t expected;
  } cases[] = {
      {1, 0, O, 0x00000},   {1, 20, O, 0x01400},  {17, 20, O, 0x16400}, {18, 0, O, 0x16500},
      {18, 18, O, 0x17700}, {24, 18, O, 0x1E900}, {25, 0, O, 0x1EA00},  {30, 17, O, 0x25500},
      {31, 0, O, 0x25600},  {35, 16, O, 0x2AA00}, {36, 0, S, 0x2AB00},  {40, 16, S, 0x2FF00},
      {18, 19, O, -1},      {1, 21, O, -1},       {-1, 0, O, -1},       {36, 0, O, -1},
      {1, -1, O, -1},       {25, 18, O, -1},      {31, 17, O, -1},      {30, 18, S, -1},
      {41, 0, S, -1},       {0, 0, O, 0},         {0, -5, S, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(SectorOffset(c.track, c.sector, c.mode), c.expected) << c.track << "/" << c.sector;
  }
}

// Counted as stored: track 18 never, 255 on a 21-sector track as it stands; the extended
// entries only under a 40-track layout.
TEST(CountBlocksFreeTest, SumsTheStoredCountsButTrack18) {
  const struct {
    ImageBuilder image;
    GeometryMode mode;
    int expected;
  } cases[] = {
      {ImageBuilder::Blank35(), O, 664},
      {ImageBuilder::Blank40(S), S, 749},
      {ImageBuilder::Blank40(GeometryMode::DolphinDOS), GeometryMode::DolphinDOS, 749},
      {ImageBuilder::Blank40(GeometryMode::PrologicDOS), GeometryMode::PrologicDOS, 749},
      {ImageBuilder::Blank40(S), O, 664},
      {ImageBuilder::Blank35().Set(kBam + 4 * 18, {200}).Set(kBam + 4, {255}), O, 664 - 21 + 255},
      {ImageBuilder::Blank35().Set(kBam + 4 * 35, {0}), O, 664 - 17},
      {ImageBuilder::Blank40(S).Set(kBam + 0xD0, {1}), S, 749 - 16},
  };
  for (const auto& c : cases) {
    DiskImage image = c.image.Image();
    EXPECT_EQ(CountBlocksFree(image, c.mode), c.expected) << c.expected;
  }
}

}  // namespace
}  // namespace quillane
