#include "ImageBuilder.h"

#include <unistd.h>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "ClassifyImage.h"
#include "SectorOffsetTable.h"

namespace quillane::test {
namespace {

constexpr std::int64_t kBam = 0x16500;

int SectorsOf(int track) {
  if (track <= 17) return 21;
  if (track <= 24) return 19;
  if (track <= 30) return 18;
  return 17;
}

}  // namespace

TempFile::TempFile(const std::vector<std::uint8_t>& bytes, std::string_view suffix) {
  const char* dir = std::getenv("TMPDIR");
  std::string pattern = std::string(dir && *dir ? dir : "/tmp") + "/quillane-XXXXXX";
  pattern += suffix;
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemps(name.data(), static_cast<int>(suffix.size()));
  if (fd < 0) throw std::runtime_error("mkstemps failed");
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n <= 0) {
      ::close(fd);
      throw std::runtime_error("write failed");
    }
    written += static_cast<std::size_t>(n);
  }
  ::close(fd);
  path_ = name.data();
}

TempFile::TempFile(TempFile&& other) noexcept : path_(std::move(other.path_)) {
  other.path_.clear();
}

TempFile::~TempFile() {
  if (!path_.empty()) ::unlink(path_.c_str());
}

std::int64_t ImageBuilder::Offset(int track, int sector) {
  static const SectorOffsetTable table = BuildSectorOffsetTable();
  const std::int32_t offset = SectorOffset(table, track, sector, GeometryMode::SpeedDOS);
  if (offset <= 0 && !(track == 1 && sector == 0)) throw std::out_of_range("no such sector");
  return offset;
}

ImageBuilder ImageBuilder::Blank35() {
  ImageBuilder b(static_cast<std::size_t>(kSize35));
  b.Set(kBam, {18, 1, 0x41, 0x00});
  for (int t = 1; t <= 35; ++t) {
    const int sectors = SectorsOf(t);
    const int used = t == 18 ? 2 : 0;  // the BAM and the first directory sector
    const std::uint32_t bits = ((1u << sectors) - 1u) & ~((1u << used) - 1u);
    b.Set(kBam + 4 * t, {sectors - used, static_cast<int>(bits & 0xFF),
                         static_cast<int>((bits >> 8) & 0xFF), static_cast<int>(bits >> 16)});
  }
  b.DiskName("");
  b.Fill(kBam + 0xA0, 11, 0xA0);  // 0xA0-0xAA
  b.DiskId("01");
  b.DosType("2A");
  b.Link(18, 1, 0, 0xFF);
  return b;
}

ImageBuilder ImageBuilder::Blank40(GeometryMode layout) {
  ImageBuilder b = Blank35();
  b.Size(static_cast<std::size_t>(kSize40));
  const std::array<int, 4> free_track{17, 0xFF, 0xFF, 0x01};
  switch (layout) {
    case GeometryMode::SpeedDOS:
      b.ExtendedBam(0xC0, {free_track, free_track, free_track, free_track, free_track});
      break;
    case GeometryMode::DolphinDOS:
      b.ExtendedBam(0xAC, {free_track, free_track, free_track, free_track, free_track});
      break;
    case GeometryMode::PrologicDOS:
      // Name block moved up by 0x14: name 0xA4-0xB3, ID 0xB6-0xB7, DOS type 0xB9-0xBA.
      b.Fill(kBam + 0x90, 0x30, 0xA0);
      b.Set(kBam + 0xB6, "01");
      b.Set(kBam + 0xB9, "2P");
      b.ExtendedBam(0x90, {free_track, free_track, free_track, free_track, free_track});
      break;
    default:
      break;
  }
  return b;
}

ImageBuilder& ImageBuilder::Size(std::size_t size) {
  bytes_.resize(size, 0);
  return *this;
}

ImageBuilder& ImageBuilder::Set(std::int64_t offset, std::initializer_list<int> bytes) {
  for (int v : bytes) bytes_.at(static_cast<std::size_t>(offset++)) = static_cast<std::uint8_t>(v);
  return *this;
}

ImageBuilder& ImageBuilder::Set(std::int64_t offset, std::string_view bytes) {
  for (char c : bytes) bytes_.at(static_cast<std::size_t>(offset++)) = static_cast<std::uint8_t>(c);
  return *this;
}

ImageBuilder& ImageBuilder::Fill(std::int64_t offset, std::size_t count, int value) {
  for (std::size_t i = 0; i < count; ++i) Set(offset + static_cast<std::int64_t>(i), {value});
  return *this;
}

ImageBuilder& ImageBuilder::DiskName(std::string_view name) {
  Fill(kBam + 0x90, 16, 0xA0);
  return Set(kBam + 0x90, name.substr(0, 16));
}

ImageBuilder& ImageBuilder::DiskId(std::string_view id) {
  return Set(kBam + 0xA2, id.substr(0, 2));
}

ImageBuilder& ImageBuilder::DosType(std::string_view type) {
  return Set(kBam + 0xA5, type.substr(0, 2));
}

ImageBuilder& ImageBuilder::BamCount(int track, int count) {
  return Set(kBam + 4 * track, {count});
}

ImageBuilder& ImageBuilder::ExtendedBam(int bam_offset,
                                        std::initializer_list<std::array<int, 4>> entries) {
  std::int64_t at = kBam + bam_offset;
  for (const auto& e : entries) {
    Set(at, {e[0], e[1], e[2], e[3]});
    at += 4;
  }
  return *this;
}

ImageBuilder& ImageBuilder::Link(int track, int sector, int next_track, int next_sector) {
  return Set(Offset(track, sector), {next_track, next_sector});
}

ImageBuilder& ImageBuilder::SetEntry(int track, int sector, int k, const Entry& entry) {
  const std::int64_t e = Offset(track, sector) + 32 * k;
  Set(e + 2, {entry.type, entry.first_track, entry.first_sector});
  Fill(e + 5, 16, 0xA0);
  Set(e + 5, std::string_view(entry.name).substr(0, 16));
  Set(e + 0x18, {entry.geos_type});
  Set(e + 0x1E, {entry.blocks & 0xFF, (entry.blocks >> 8) & 0xFF});
  return *this;
}

}  // namespace quillane::test
