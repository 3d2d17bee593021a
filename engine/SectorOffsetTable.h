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

SectorOffsetTable BuildSectorOffsetTable();

// 0 for track 0 (the end-of-chain link, whatever the sector and mode); -1 for a pair that does
// not exist or may not be used under the mode; otherwise the pair's byte offset.
std::int32_t SectorOffset(const SectorOffsetTable& table, std::int32_t track, std::int32_t sector,
                          GeometryMode mode);

}  // namespace quillane
