#include "BlocksFree.h"

#include "BamSector.h"

namespace quillane {

std::optional<int> CountBlocksFree(DiskImage& image, GeometryMode mode) {
  // The count of each BAM entry, every fourth byte from the first entry on: `entries` of them.
  const auto add_counts = [&image](std::int64_t first, int entries, int skipped, int& sum) {
    image.SeekTo(first);
    for (int entry = 0; entry < entries; ++entry) {
      const int count = image.ReadByte();
      if (count < 0) return false;
      if (entry != skipped) sum += count;
      image.SeekBy(3);
    }
    return true;
  };
  int sum = 0;
  // Tracks 1-35; track 18 is entry 17.
  if (!add_counts(kBamSector + kBamEntries, 35, 17, sum)) return std::nullopt;
  const std::int64_t extended = ExtendedBamField(mode);
  if (extended != 0 && !add_counts(kBamSector + extended, 5, -1, sum)) return std::nullopt;
  return sum;
}

}  // namespace quillane
