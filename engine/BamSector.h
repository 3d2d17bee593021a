#pragma once

#include <cstdint>

#include "GeometryMode.h"

namespace quillane {

// Track 18 sector 0, the BAM sector: it starts at the same offset in every accepted size.
inline constexpr std::int64_t kBamSector = 0x16500;

// Fields of the BAM sector, as offsets from its start.
inline constexpr std::int64_t kBamEntries = 0x04;     // 4 bytes per track 1-35, free count first
inline constexpr std::int64_t kDiskNameBlock = 0x90;  // name, 2 fill bytes, ID, fill, DOS type
inline constexpr std::int64_t kPrologicNameBlock = 0xA4;  // the block moved up by PrologicDOS
inline constexpr std::int64_t kDosType = 0xA5;            // "2A" on a standard disk
inline constexpr std::int64_t kPrologicDosType = 0xB9;    // "2P" on a PrologicDOS disk

// Where the disk name block stands in the image under a layout.
constexpr std::int64_t DiskNameBlock(GeometryMode mode) {
  return kBamSector + (mode == GeometryMode::PrologicDOS ? kPrologicNameBlock : kDiskNameBlock);
}

// Where the five entries of tracks 36-40 stand under a 40-track layout; 0 for none.
constexpr std::int64_t ExtendedBamField(GeometryMode mode) {
  switch (mode) {
    case GeometryMode::SpeedDOS:
      return 0xC0;
    case GeometryMode::DolphinDOS:
      return 0xAC;
    case GeometryMode::PrologicDOS:
      return 0x90;
    default:
      return 0;
  }
}

}  // namespace quillane
