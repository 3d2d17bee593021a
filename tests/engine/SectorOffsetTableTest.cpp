#include "SectorOffsetTable.h"

#include <gtest/gtest.h>

#include "BlocksFree.h"
#include "ImageBuilder.h"

namespace quillane {
namespace {

using test::ImageBuilder;

// Track 0 is the end of a chain (offset 0), whatever the sector and the mode.
TEST(SectorOffsetTest, ZoneBordersAndInvalidPairsInEachMode) {
  const SectorOffsetTable table = BuildSectorOffsetTable();
  constexpr auto N = GeometryMode::NotListable;
  constexpr auto O = GeometryMode::Original;
  constexpr auto S = GeometryMode::SpeedDOS;
  constexpr auto P = GeometryMode::PrologicDOS;
  const struct {
    int track, sector;
    GeometryMode mode;
    std::int32_t expected;
  } cases[] = {
      {1, 0, O, 0x00000},   {1, 20, O, 0x01400},  {17, 20, O, 0x16400}, {18, 0, O, 0x16500},
      {18, 18, O, 0x17700}, {24, 18, O, 0x1E900}, {25, 0, O, 0x1EA00},  {30, 17, O, 0x25500},
      {31, 0, O, 0x25600},  {35, 16, O, 0x2AA00}, {36, 0, S, 0x2AB00},  {40, 16, P, 0x2FF00},
      {18, 19, O, -1},      {1, 21, O, -1},       {-1, 0, O, -1},       {36, 0, O, -1},
      {1, -1, O, -1},       {25, 18, O, -1},      {31, 17, O, -1},      {30, 18, S, -1},
      {40, 17, P, -1},      {41, 0, P, -1},       {255, 255, P, -1},    {36, 0, N, -1},
      {0, 0, O, 0},         {0, 255, P, 0},       {0, -5, N, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SectorOffset(table, c.track, c.sector, c.mode), c.expected)
        << "track " << c.track << " sector " << c.sector << " mode " << ModeNumber(c.mode);
  }
}

TEST(CountBlocksFreeTest, SumsTheStoredCountsButTrack18) {
  const struct {
    const char* what;
    ImageBuilder image;
    GeometryMode mode;
    int expected;
  } cases[] = {
      {"blank standard disk", ImageBuilder::Blank35(), GeometryMode::Original, 664},
      {"SpeedDOS", ImageBuilder::Blank40(GeometryMode::SpeedDOS), GeometryMode::SpeedDOS, 749},
      {"DolphinDOS", ImageBuilder::Blank40(GeometryMode::DolphinDOS), GeometryMode::DolphinDOS,
       749},
      {"PrologicDOS", ImageBuilder::Blank40(GeometryMode::PrologicDOS), GeometryMode::PrologicDOS,
       749},
      {"mode 1 ignores the extended entries", ImageBuilder::Blank40(GeometryMode::SpeedDOS),
       GeometryMode::Original, 664},
      {"track 18 never counts", ImageBuilder::Blank35().BamCount(18, 200), GeometryMode::Original,
       664},
      // 255 free sectors on a 21-sector track is nonsense, but it is what the BAM says.
      {"counts as stored", ImageBuilder::Blank35().BamCount(1, 255).BamCount(35, 0),
       GeometryMode::Original, 664 - 21 + 255 - 17},
  };
  for (const auto& c : cases) {
    DiskImage image = c.image.Image();
    EXPECT_EQ(CountBlocksFree(image, c.mode), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace quillane
