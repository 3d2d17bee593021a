#include "SectorOffsetTable.h"

#include <gtest/gtest.h>

#include "BlocksFree.h"
#include "ImageBuilder.h"

namespace quillane {
namespace {

using test::ImageBuilder;

struct OffsetCase {
  int track;
  int sector;
  GeometryMode mode;
  std::int32_t expected;
};

TEST(SectorOffsetTest, ZoneBordersAndInvalidPairsInEachMode) {
  const SectorOffsetTable table = BuildSectorOffsetTable();
  constexpr auto O = GeometryMode::Original;
  constexpr auto S = GeometryMode::SpeedDOS;
  constexpr auto P = GeometryMode::PrologicDOS;
  const OffsetCase cases[] = {
      {1, 0, O, 0x00000},   {1, 20, O, 0x01400},
      {17, 20, O, 0x16400}, {18, 0, O, 0x16500},
      {18, 1, O, 0x16600},  {18, 18, O, 0x17700},
      {24, 18, O, 0x1E900}, {25, 0, O, 0x1EA00},
      {30, 17, O, 0x25500}, {31, 0, O, 0x25600},
      {31, 16, O, 0x26600}, {35, 16, O, 0x2AA00},
      {18, 19, O, -1},      {1, 21, O, -1},
      {-1, 0, O, -1},       {36, 0, O, -1},
      {1, -1, O, -1},       {25, 18, O, -1},
      {31, 17, O, -1},      {36, 0, S, 0x2AB00},
      {30, 18, S, -1},      {40, 16, P, 0x2FF00},
      {40, 17, P, -1},      {41, 0, P, -1},
      {255, 255, P, -1},    {36, 0, GeometryMode::NotListable, -1},
  };
  for (const OffsetCase& c : cases) {
    EXPECT_EQ(SectorOffset(table, c.track, c.sector, c.mode), c.expected)
        << "track " << c.track << " sector " << c.sector << " mode " << ModeNumber(c.mode);
  }
}

TEST(SectorOffsetTest, TrackZeroIsTheEndOfChainWhateverSectorAndMode) {
  const SectorOffsetTable table = BuildSectorOffsetTable();
  for (int mode = 0; mode <= 4; ++mode) {
    for (int sector : {-5, 0, 1, 20, 21, 255}) {
      EXPECT_EQ(SectorOffset(table, 0, sector, static_cast<GeometryMode>(mode)), 0);
    }
  }
}

TEST(SectorOffsetTest, EverySectorOfFortyTracksHasItsOwnOffsetInOrder) {
  const SectorOffsetTable table = BuildSectorOffsetTable();
  std::int32_t expected = 0;
  int valid = 0;
  for (int t = 1; t <= 40; ++t) {
    for (int s = 0; s <= 20; ++s) {
      const std::int32_t offset = SectorOffset(table, t, s, GeometryMode::SpeedDOS);
      if (offset < 0) continue;
      EXPECT_EQ(offset, expected) << t << "/" << s;
      expected += 256;
      ++valid;
    }
  }
  EXPECT_EQ(valid, 768);
  EXPECT_EQ(expected, 0x30000);
}

TEST(CountBlocksFreeTest, BlankDisks) {
  DiskImage blank35 = ImageBuilder::Blank35().Image();
  EXPECT_EQ(CountBlocksFree(blank35, GeometryMode::Original), 664);
  struct {
    GeometryMode layout;
  } layouts[] = {{GeometryMode::SpeedDOS}, {GeometryMode::DolphinDOS}, {GeometryMode::PrologicDOS}};
  for (const auto& l : layouts) {
    DiskImage image = ImageBuilder::Blank40(l.layout).Image();
    EXPECT_EQ(CountBlocksFree(image, l.layout), 749) << ModeName(l.layout);
    // The same image handled as a 35-track disk ignores the extended entries.
    EXPECT_EQ(CountBlocksFree(image, GeometryMode::Original), 664) << ModeName(l.layout);
  }
}

TEST(CountBlocksFreeTest, TrackEighteenNeverCountsAndCountsAreTakenAsStored) {
  for (int value : {0, 1, 19, 200, 255}) {
    DiskImage image = ImageBuilder::Blank35().BamCount(18, value).Image();
    EXPECT_EQ(CountBlocksFree(image, GeometryMode::Original), 664) << value;
  }
  // 255 free sectors on a 21-sector track is nonsense, but it is what the BAM says.
  DiskImage image = ImageBuilder::Blank35().BamCount(1, 255).BamCount(35, 0).Image();
  EXPECT_EQ(CountBlocksFree(image, GeometryMode::Original), 664 - 21 + 255 - 17);
}

TEST(CountBlocksFreeTest, LeavesThePositionBehindTheLastEntryRead) {
  DiskImage image = ImageBuilder::Blank35().Image();
  CountBlocksFree(image, GeometryMode::Original);
  EXPECT_EQ(image.Position(), 0x16590);
  DiskImage speed = ImageBuilder::Blank40(GeometryMode::SpeedDOS).Image();
  CountBlocksFree(speed, GeometryMode::SpeedDOS);
  EXPECT_EQ(speed.Position(), 0x165C0 + 20);
}

}  // namespace
}  // namespace quillane
