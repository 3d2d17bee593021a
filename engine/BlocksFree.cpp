#include "BlocksFree.h"

#include "BamSector.h"

namespace quillane {

int CountBlocksFree(DiskImage& image, GeometryMode mode) {
  int sum = 0;
  image.SeekTo(kBamSector + kBamEntries);
  for (int track = 1; track <= 35; ++track) {
    const int count = image.ReadByte();
    if (track != 18) sum += count;
    image.SeekBy(3);
  }
  const std::int64_t extended = ExtendedBamField(mode);
  if (extended == 0) return sum;
  image.SeekTo(kBamSector + extended);
  for (int entry = 0; entry < 5; ++entry) {
    sum += image.ReadByte();
    image.SeekBy(3);
  }
  return sum;
}

}  // namespace quillane
