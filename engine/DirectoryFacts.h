#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quillane {

// What the directory walk reads besides the rows it makes, for front ends that catalogue
// images rather than show them: the raw bytes behind the header and behind every listed entry,
// and why the listing ended.

// The disk name block of track 18 sector 0, as stored.
struct HeaderFacts {
  std::array<std::uint8_t, 16> disk_name{};  // padded with 0xA0
  std::array<std::uint8_t, 2> disk_id{};
  std::array<std::uint8_t, 2> dos_type{};  // as stored: "2A" even where the header shows "2S"
};

// One listed directory entry, as stored.
struct EntryFacts {
  std::uint8_t type_byte = 0;  // bits 0-2 the CBM type, bit 6 locked, bit 7 closed
  std::uint8_t geos_type = 0;
  int blocks = 0;
  std::array<std::uint8_t, 16> name{};  // padded with 0xA0
  std::string_view type_text;           // as composed ("PRG", "*SEQ<", "APP", ...), lent

  bool Locked() const { return (type_byte & 0x40) != 0; }
  bool Closed() const { return (type_byte & 0x80) != 0; }
};

// Why a walk ended.
enum class WalkEnd {
  ChainEnd,      // the last directory sector's link ended the chain
  EndMarker,     // a name of three zero bytes ended the listing
  TooManyFiles,  // 36 directory sectors, 288 files, read
  Crosslink,     // a crosslinked sector, by the prompt's answer
};

}  // namespace quillane
