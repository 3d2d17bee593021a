#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "DiskImage.h"
#include "GeometryMode.h"

namespace quillane::test {

// One directory entry as a test states it. The name is given as bytes and padded with 0xA0.
struct Entry {
  int type = 0x82;            // PRG, closed
  std::string name = "FILE";  // raw bytes, at most 16
  int blocks = 1;
  int geos_type = 0;
  int first_track = 17;
  int first_sector = 0;
};

// A temporary file that is removed again when the object goes.
class TempFile {
 public:
  explicit TempFile(const std::vector<std::uint8_t>& bytes, std::string_view suffix = ".d64");
  ~TempFile();
  TempFile(TempFile&& other) noexcept;
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  TempFile& operator=(TempFile&&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Builds .D64 images in memory, so that tests say in a few lines what they list:
//   auto image = ImageBuilder::Blank35().DiskName("GAMES").Add(18, 1, 0, {.name = "HELLO"});
class ImageBuilder {
 public:
  // A formatted, empty standard disk: every track free but 18, name empty, ID "01", DOS "2A",
  // directory sector 18/1 with link 00 FF and no entries.
  static ImageBuilder Blank35();
  // The same on 40 tracks, the extended BAM of tracks 36-40 (all free) written where the layout
  // keeps it (SpeedDOS 0xC0, DolphinDOS 0xAC, PrologicDOS 0x90 with the name block moved up and
  // DOS type "2P"); Original writes no extended BAM.
  static ImageBuilder Blank40(GeometryMode layout);
  // size bytes of zeros.
  explicit ImageBuilder(std::size_t size) : bytes_(size, 0) {}

  ImageBuilder& Size(std::size_t size);  // truncate or extend with zeros
  ImageBuilder& Set(std::int64_t offset, std::initializer_list<int> bytes);
  ImageBuilder& Set(std::int64_t offset, std::string_view bytes);
  ImageBuilder& Fill(std::int64_t offset, std::size_t count, int value);

  // Track 18 sector 0.
  ImageBuilder& DiskName(std::string_view name);  // padded with 0xA0 to 16 bytes
  ImageBuilder& DiskId(std::string_view id);      // 2 bytes
  ImageBuilder& DosType(std::string_view type);   // 2 bytes at 0xA5
  ImageBuilder& BamCount(int track, int count);   // free-sector count of tracks 1-35
  // Five entries of tracks 36-40 at offset bam_offset of track 18 sector 0.
  ImageBuilder& ExtendedBam(int bam_offset, std::initializer_list<std::array<int, 4>> entries);

  // Directory sectors: link of (track, sector), entry k of (track, sector).
  ImageBuilder& Link(int track, int sector, int next_track, int next_sector);
  ImageBuilder& SetEntry(int track, int sector, int k, const Entry& entry);

  static std::int64_t Offset(int track, int sector);  // standard geometry, tracks 1-40
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  DiskImage Image() const { return DiskImage::FromBytes(bytes_); }
  TempFile WriteTemp(std::string_view suffix = ".d64") const { return TempFile(bytes_, suffix); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace quillane::test
