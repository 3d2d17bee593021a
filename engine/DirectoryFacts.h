#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace quillane {

// What the directory walk reads besides the rows it makes, for front ends that catalogue
// images rather than show them: the raw bytes behind the header and behind every listed entry,
// and why the listing ended.

// The disk name block of track 18 sector 0, as stored.
struct HeaderFacts {
  std::array<std::uint8_t, 16> disk_name{};  // padded with 0xA0
  std::array<std::uint8_t, 2> disk_id{};
  std::uint8_t id_separator = 0;           // between ID and DOS type, 0xA0 on a standard disk
  std::array<std::uint8_t, 2> dos_type{};  // as stored: "2A" even where the header shows "2S"
};

// A directory entry: 32 bytes, entry k of a directory sector at 32k (the sector's link to the
// next one fills the first two bytes of entry 0). Its fields, as offsets from its start:
inline constexpr std::size_t kEntrySize = 32;
inline constexpr std::size_t kEntryType = 0x02;  // bits 0-2 the CBM type, 6 locked, 7 closed
inline constexpr std::size_t kEntryName = 0x05;  // 16 bytes padded with 0xA0, behind the
                                                 // file's first track and sector
inline constexpr std::size_t kEntryNameSize = 16;
inline constexpr std::size_t kEntryGeosType = 0x18;
inline constexpr std::size_t kEntryBlocks = 0x1E;  // two bytes, low byte first

// One listed directory entry, as stored: its 32 bytes and the type text composed of them. Both
// are only lent for the call that receives them.
struct EntryFacts {
  const std::uint8_t* bytes = nullptr;  // kEntrySize bytes
  std::string_view type_text;           // as composed ("PRG", "*SEQ<", "APP", ...)

  std::uint8_t TypeByte() const { return bytes[kEntryType]; }
  std::uint8_t GeosType() const { return bytes[kEntryGeosType]; }
  int Blocks() const { return bytes[kEntryBlocks] + 256 * bytes[kEntryBlocks + 1]; }
  std::span<const std::uint8_t, kEntryNameSize> Name() const {
    return std::span<const std::uint8_t, kEntryNameSize>(bytes + kEntryName, kEntryNameSize);
  }
  bool Locked() const { return (TypeByte() & 0x40) != 0; }
  bool Closed() const { return (TypeByte() & 0x80) != 0; }
};

// Why a walk ended.
enum class WalkEnd {
  ChainEnd,      // the last directory sector's link ended the chain
  EndMarker,     // a name of three zero bytes ended the listing
  TooManyFiles,  // 36 directory sectors, 288 files, read
  Crosslink,     // a crosslinked sector, by the prompt's answer
};

}  // namespace quillane
