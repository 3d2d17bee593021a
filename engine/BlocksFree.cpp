#include "BlocksFree.h"

#include <cstdint>

namespace quillane {
namespace {

constexpr std::int64_t kBamEntries = 0x16504;  // track 18 sector 0, entry of track 1

// Where the entries of tracks 36-40 stand in track 18 sector 0, by mode (0 = none).
constexpr std::int64_t ExtendedBamOffset(GeometryMode mode) {
  switch (mode) {
    case GeometryMode::SpeedDOS:
      return 0x165C0;
    case GeometryMode::DolphinDOS:
      return 0x165AC;
    case GeometryMode::PrologicDOS:
      return 0x16590;
    default:
      return 0;
  }
}

}  // namespace

int CountBlocksFree(DiskImage& image, GeometryMode mode) {
  int sum = 0;
  image.SeekTo(kBamEntries);
  for (int track = 1; track <= 35; ++track) {
    const int count = image.ReadByte();
    if (track != 18) sum += count;
    image.SeekBy(3);
  }
  const std::int64_t extended = ExtendedBamOffset(mode);
  if (ModeNumber(mode) <= 1 || extended == 0) return sum;
  image.SeekTo(extended);
  for (int entry = 0; entry < 5; ++entry) {
    sum += image.ReadByte();
    image.SeekBy(3);
  }
  return sum;
}

}  // namespace quillane
