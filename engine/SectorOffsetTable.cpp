#include "SectorOffsetTable.h"

namespace quillane {
namespace {

// The 1541's four speed zones: the outer tracks hold more sectors. Every offset and every
// sectors-per-track answer comes from this one table.
struct Zone {
  int first_track;
  int last_track;
  int sectors;
  std::int32_t base;  // offset of the zone's first track, sector 0
};

constexpr std::array<Zone, 4> kZones{{
    {1, 17, 21, 0x00000},
    {18, 24, 19, 0x16500},
    {25, 30, 18, 0x1EA00},
    {31, 40, 17, 0x25600},
}};

constexpr int SectorsUpTo(int last_track) {
  int total = 0;
  for (const Zone& zone : kZones) {
    for (int t = zone.first_track; t <= zone.last_track && t <= last_track; ++t)
      total += zone.sectors;
  }
  return total;
}

constexpr bool BasesFollowEachOther() {
  for (std::size_t z = 1; z < kZones.size(); ++z) {
    const Zone& before = kZones[z - 1];
    const int before_sectors = (before.last_track - before.first_track + 1) * before.sectors;
    if (kZones[z].base != before.base + before_sectors * 256) return false;
  }
  return true;
}

static_assert(SectorsUpTo(35) == 683, "a standard disk holds 683 sectors");
static_assert(SectorsUpTo(40) == 768, "a 40-track disk holds 768 sectors");
static_assert(BasesFollowEachOther(), "zones are stored one after another");

}  // namespace

SectorOffsetTable BuildSectorOffsetTable() {
  SectorOffsetTable table;
  for (int t = 1; t <= SectorOffsetTable::kTracks; ++t) {
    for (int s = 0; s < SectorOffsetTable::kSectorSlots; ++s) {
      std::int32_t offset = -1;
      for (const Zone& zone : kZones) {
        if (t >= zone.first_track && t <= zone.last_track && s < zone.sectors) {
          offset = zone.base + (zone.sectors * (t - zone.first_track) + s) * 256;
        }
      }
      table.entries[t - 1][s] = offset;
    }
  }
  return table;
}

std::int32_t SectorOffset(const SectorOffsetTable& table, std::int32_t track, std::int32_t sector,
                          GeometryMode mode) {
  if (track == 0) return 0;
  if (track < 1 || track > HighestTrack(mode) || sector < 0 ||
      sector >= SectorOffsetTable::kSectorSlots) {
    return -1;
  }
  return table.entries[track - 1][sector];
}

}  // namespace quillane
