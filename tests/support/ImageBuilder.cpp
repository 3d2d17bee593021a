#include "ImageBuilder.h"

#include <unistd.h>

#include <cstdlib>

namespace quillane::test {
namespace {

// The four speed zones, written out here and not taken from the engine: the images are the
// tests' own statement of the disk format. {first track, sectors per track, offset}.
constexpr int kZones[4][3] = {
    {1, 21, 0x00000}, {18, 19, 0x16500}, {25, 18, 0x1EA00}, {31, 17, 0x25600}};

const int* ZoneOf(int track) {
  int z = 3;
  while (z > 0 && track < kZones[z][0]) --z;
  return kZones[z];
}

std::int64_t Offset(int track, int sector) {  // tracks 1-40
  const int* zone = ZoneOf(track);
  if (track < 1 || track > 40 || sector < 0 || sector >= zone[1]) std::abort();
  return zone[2] + (zone[1] * (track - zone[0]) + sector) * 256;
}

}  // namespace

TempFile::TempFile(const std::vector<std::uint8_t>& bytes, std::string_view suffix)
    : path_("/tmp/quillane-XXXXXX" + std::string(suffix)) {
  const int fd = ::mkstemps(path_.data(), static_cast<int>(suffix.size()));
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
    std::abort();
  }
  ::close(fd);
}

TempFile::~TempFile() {
  ::unlink(path_.c_str());
}

ImageBuilder ImageBuilder::Blank35() {
  ImageBuilder b(174848);
  b.Set(kBam, {18, 1, 0x41, 0x00});
  for (int t = 1; t <= 35; ++t) {
    const int sectors = ZoneOf(t)[1];
    const int used = t == 18 ? 2 : 0;  // the BAM and the first directory sector
    const std::uint32_t bits = ((1u << sectors) - 1u) & ~((1u << used) - 1u);
    b.Set(kBam + 4 * t, {sectors - used, static_cast<int>(bits & 0xFF),
                         static_cast<int>((bits >> 8) & 0xFF), static_cast<int>(bits >> 16)});
  }
  b.DiskName("")
      .Set(kBam + 0xA0, std::string(11, '\xA0'))
      .Set(kBam + 0xA2, "01")
      .Set(kBam + 0xA5, "2A");
  return b.Link(18, 1, 0, 0xFF);
}

ImageBuilder ImageBuilder::Blank40(GeometryMode layout) {
  ImageBuilder b = Blank35();
  b.Size(196608);
  const int at[] = {0, 0, 0xC0, 0xAC, 0x90};
  if (layout == GeometryMode::PrologicDOS) {
    // Name block moved up by 0x14: name 0xA4-0xB3, ID 0xB6-0xB7, DOS type 0xB9-0xBA.
    b.Set(kBam + 0xA0, std::string(0x20, '\xA0')).Set(kBam + 0xB6, "01").Set(kBam + 0xB9, "2P");
  }
  for (int k = 0; k < 5 && at[ModeNumber(layout)] != 0; ++k) {
    b.Set(kBam + at[ModeNumber(layout)] + 4 * k, {17, 0xFF, 0xFF, 0x01});
  }
  return b;
}

ImageBuilder& ImageBuilder::Set(std::int64_t offset, std::initializer_list<int> bytes) {
  for (int v : bytes) bytes_.at(static_cast<std::size_t>(offset++)) = static_cast<std::uint8_t>(v);
  return *this;
}

ImageBuilder& ImageBuilder::Set(std::int64_t offset, std::string_view bytes) {
  for (char c : bytes) Set(offset++, {static_cast<std::uint8_t>(c)});
  return *this;
}

ImageBuilder& ImageBuilder::DiskName(std::string_view name) {
  return Set(kBam + 0x90, std::string(16, '\xA0')).Set(kBam + 0x90, name.substr(0, 16));
}

ImageBuilder& ImageBuilder::Link(int track, int sector, int next_track, int next_sector) {
  return Set(Offset(track, sector), {next_track, next_sector});
}

ImageBuilder& ImageBuilder::SetEntry(int track, int sector, int k, const Entry& entry) {
  const std::int64_t e = Offset(track, sector) + 32 * k;
  Set(e + 2, {entry.type, 17, 0}).Set(e + 5, std::string(16, '\xA0'));
  Set(e + 5, std::string_view(entry.name).substr(0, 16)).Set(e + 0x18, {entry.geos_type});
  return Set(e + 0x1E, {entry.blocks & 0xFF, (entry.blocks >> 8) & 0xFF});
}

}  // namespace quillane::test
