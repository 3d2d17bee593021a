#include "ClassifyImage.h"

#include <bit>

namespace quillane {
namespace {

// Track 18 sector 0 starts at the same offset in every accepted size.
constexpr std::int64_t kDosTypeOffset = 0x165A5;          // "2A" on a standard disk
constexpr std::int64_t kPrologicDosTypeOffset = 0x165B9;  // "2P" on a PrologicDOS disk
constexpr std::int64_t kSpeedDosBam = 0x165C0;
constexpr std::int64_t kDolphinDosBam = 0x165AC;
constexpr std::int64_t kPrologicDosBam = 0x16590;

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
    count_sum += image.ReadByte();
    const int b1 = image.ReadByte();
    const int b2 = image.ReadByte();
    const int b3 = image.ReadByte();
    const auto bitmap = static_cast<std::uint32_t>(b1 + 256 * b2 + 65536 * b3) & 0xFFFFFFu;
    bit_sum += std::popcount(bitmap);
    if (count_sum != bit_sum) return false;
  }
  return bit_sum != 0;
}

GeometryMode ClassifyImage(DiskImage& image, const std::string& file_name, ImagePrompts& prompts) {
  const std::int64_t size = image.ImageSize();
  if (size == kSize35 || size == kSize35Errors) return GeometryMode::Original;
  if (size == kSize40 || size == kSize40Errors) {
    if (BytesAre(image, kDosTypeOffset, '2', 'A')) {
      if (ExtendedBamPlausible(image, kSpeedDosBam)) return GeometryMode::SpeedDOS;
      if (ExtendedBamPlausible(image, kDolphinDosBam)) return GeometryMode::DolphinDOS;
    }
    if (BytesAre(image, kPrologicDosTypeOffset, '2', 'P') &&
        ExtendedBamPlausible(image, kPrologicDosBam)) {
      return GeometryMode::PrologicDOS;
    }
    const GeometryAnswer answer = prompts.AskGeometryMode(file_name);
    if (answer.modal_result != kPromptGoOn) return GeometryMode::NotListable;
    if (answer.dos_variant < 1 || answer.dos_variant > 4) return GeometryMode::NotListable;
    return static_cast<GeometryMode>(answer.dos_variant);
  }
  prompts.ReportUnsupportedSize(file_name);
  return GeometryMode::NotListable;
}

}  // namespace quillane
