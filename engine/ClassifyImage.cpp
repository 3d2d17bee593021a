#include "ClassifyImage.h"

#include <array>
#include <bit>

#include "BamSector.h"

namespace quillane {
namespace {

constexpr std::int64_t ExtendedBamOf(GeometryMode mode) {
  return kBamSector + ExtendedBamField(mode);
}

bool BytesAre(DiskImage& image, std::int64_t offset, int first, int second) {
  image.SeekTo(offset);
  const int a = image.ReadByte();
  const int b = image.ReadByte();
  return a == first && b == second;
}

}  // namespace

bool ExtendedBamPlausible(DiskImage& image, std::int64_t offset) {
  image.SeekTo(offset);
  int count_sum = 0;
  int bit_sum = 0;
  for (int entry = 0; entry < 5; ++entry) {
    std::array<std::uint8_t, 4> bytes{};  // the free count, then the bitmap, low byte first
    // An entry that cannot be read whole tells nothing about the layout.
    if (image.ReadBytes(bytes) != bytes.size()) return false;
    count_sum += bytes[0];
    bit_sum += std::popcount(static_cast<std::uint32_t>(bytes[1] | bytes[2] << 8 | bytes[3] << 16));
    if (count_sum != bit_sum) return false;
  }
  return bit_sum != 0;
}

GeometryMode ClassifyImage(DiskImage& image, const std::string& file_name, ImagePrompts& prompts) {
  const std::int64_t size = image.ImageSize();
  if (size == kSize35 || size == kSize35Errors) return GeometryMode::Original;
  if (size == kSize40 || size == kSize40Errors) {
    if (BytesAre(image, kBamSector + kDosType, '2', 'A')) {
      if (ExtendedBamPlausible(image, ExtendedBamOf(GeometryMode::SpeedDOS))) {
        return GeometryMode::SpeedDOS;
      }
      if (ExtendedBamPlausible(image, ExtendedBamOf(GeometryMode::DolphinDOS))) {
        return GeometryMode::DolphinDOS;
      }
    }
    if (BytesAre(image, kBamSector + kPrologicDosType, '2', 'P') &&
        ExtendedBamPlausible(image, ExtendedBamOf(GeometryMode::PrologicDOS))) {
      return GeometryMode::PrologicDOS;
    }
    // Bytes that could not be read are no reason to ask the user anything.
    if (image.Failed()) return GeometryMode::NotListable;
    return prompts.AskGeometryMode(file_name);
  }
  prompts.ReportUnsupportedSize(file_name);
  return GeometryMode::NotListable;
}

}  // namespace quillane
