#pragma once

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "DiskImage.h"
#include "GeometryMode.h"

namespace quillane::test {

// Bytes written as text with {hh} for any byte in hexadecimal: "\"AB\"{12}CD".
inline std::string Bytes(std::string_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool escape = text[i] == '{' && i + 3 < text.size() && text[i + 3] == '}';
    bytes += escape ? static_cast<char>(std::strtol(&text[i + 1], nullptr, 16)) : text[i];
    if (escape) i += 3;
  }
  return bytes;
}

// Track 18 sector 0, the BAM sector.
inline constexpr std::int64_t kBam = 0x16500;

// One directory entry as a test states it. The name is given as bytes and padded with 0xA0.
struct Entry {
  int type = 0x82;  // PRG, closed
  std::string name = "FILE";
  int blocks = 1, geos_type = 0;
};

// A temporary file that is removed again when the object goes (returned by value: elided).
struct TempFile {
  // The path is UTF-8, the suffix may hold letters of any script.
  explicit TempFile(const std::vector<std::uint8_t>& bytes, std::string_view suffix = ".d64");
  ~TempFile();
  TempFile(const TempFile&) = delete;
  const std::string& path() const { return path_; }
  std::string path_;
};

// Builds .D64 images in memory, so that tests say in a few lines what they list:
//   auto image = ImageBuilder::Blank35().DiskName("GAMES").SetEntry(18, 1, 0, {.name = "HI"});
class ImageBuilder {
 public:
  // A formatted, empty standard disk: every track free but 18, name empty, ID "01", DOS "2A",
  // directory sector 18/1 with link 00 FF and no entries.
  static ImageBuilder Blank35();
  // The same on 40 tracks with the extended BAM of tracks 36-40 (all free) where the layout
  // keeps it (PrologicDOS: name block moved up, DOS type "2P"); Original writes none.
  static ImageBuilder Blank40(GeometryMode layout);
  explicit ImageBuilder(std::size_t size) : bytes_(size, 0) {}

  ImageBuilder& Size(std::size_t size) { return bytes_.resize(size, 0), *this; }  // zero-filled
  ImageBuilder& Set(std::int64_t offset, std::initializer_list<int> bytes);
  ImageBuilder& Set(std::int64_t offset, std::string_view bytes);
  ImageBuilder& DiskName(std::string_view name);  // padded with 0xA0 to 16 bytes
  ImageBuilder& Link(int track, int sector, int next_track, int next_sector);
  ImageBuilder& SetEntry(int track, int sector, int k, const Entry& entry);

  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  DiskImage Image() const { return DiskImage::FromBytes(bytes_); }
  TempFile WriteTemp() const { return TempFile(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace quillane::test
