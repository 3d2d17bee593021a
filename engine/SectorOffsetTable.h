#pragma once

#include <array>
#include <cstdint>

#include "GeometryMode.h"

namespace quillane {

// Byte offset in the image of every track 1-40, sector 0-20; -1 where the track has no such
// sector. Tracks 36-40 are always present: whether they may be used is the mode's business,
// decided at each lookup.
struct SectorOffsetTable {
  static constexpr int kTracks = 40;
  static constexpr int kSectorSlots = 21;
  std::array<std::array<std::int32_t, kSectorSlots>, kTracks> entries{};
};

namespace geometry {

// The 1541's four speed zones: the outer tracks hold more sectors. Every offset comes from
// this one table.
struct Zone {
  int first_track;
  int last_track;
  int sectors;
  std::int32_t base;  // offset of the zone's first track, sector 0
};

inline constexpr std::array<Zone, 4> kZones{{
    {1, 17, 21, 0x00000},
    {18, 24, 19, 0x16500},
    {25, 30, 18, 0x1EA00},
    {31, 40, 17, 0x25600},
}};

constexpr int SectorsUpTo(int last_track) {
  int total = 0;
  for (const Zone& zone : kZones) {
    for (int t = zone.first_track; t <= zone.last_track && t <= last_track; ++t) {
      total += zone.sectors;
    }
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

constexpr SectorOffsetTable BuildSectorOffsetTable() {
  SectorOffsetTable table;
  for (int t = 1; t <= SectorOffsetTable::kTracks; ++t) {
    for (int s = 0; s < SectorOffsetTable::kSectorSlots; ++s) {
      std::int32_t offset = -1;
      for (const Zone& zone : kZones) {
        if (t >= zone.first_track && t <= zone.last_track && s < zone.sectors) {
          offset = zone.base + (zone.sectors * (t - zone.first_track) + s) * 256;
        }
      }
      table.entries[static_cast<std::size_t>(t - 1)][static_cast<std::size_t>(s)] = offset;
    }
  }
  return table;
}

}  // namespace geometry

// Built by the compiler: nothing to set up at run time.
inline constexpr SectorOffsetTable kSectorOffsets = geometry::BuildSectorOffsetTable();

// 0 for track 0 (the end-of-chain link, whatever the sector and mode); -1 for a pair that does
// not exist or may not be used under the mode; otherwise the pair's byte offset.
constexpr std::int32_t SectorOffset(std::int32_t track, std::int32_t sector, GeometryMode mode) {
  if (track == 0) return 0;
  if (track < 1 || track > HighestTrack(mode) || sector < 0 ||
      sector >= SectorOffsetTable::kSectorSlots) {
    return -1;
  }
  return kSectorOffsets
      .entries[static_cast<std::size_t>(track - 1)][static_cast<std::size_t>(sector)];
}

}  // namespace quillane
