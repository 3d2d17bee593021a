#pragma once

#include <array>
#include <cstdint>

namespace quillane {

// Which of the 128 screen characters of a C64 character set shows a PETSCII byte when the C64
// prints it, and whether it shows reversed. Both character sets use the same mapping; each
// holds its own glyphs.
//
// Printable bytes map as the screen editor stores them:
//   0x20-0x3F -> 0x20-0x3F    0x40-0x5F -> 0x00-0x1F    0x60-0x7F -> 0x40-0x5F
//   0xA0-0xBF -> 0x60-0x7F    0xC0-0xDF -> 0x40-0x5F    0xE0-0xFE -> 0x60-0x7E
//   0xFF (pi in the upper-case set) -> 0x5E
// Control bytes reach the screen only inside quotes, where the C64 shows them as reversed
// characters: 0x00-0x1F as reversed 0x00-0x1F (0x12, reverse on, is a reversed R) and
// 0x80-0x9F as reversed 0x40-0x5F (0x92, reverse off, is a reversed shifted R).
struct ScreenCell {
  std::uint8_t code;  // 0-127
  bool reversed;
};

constexpr ScreenCell ScreenCellOfByte(std::uint8_t b) {
  if (b < 0x20) return {b, true};
  if (b < 0x40) return {b, false};
  if (b < 0x60) return {static_cast<std::uint8_t>(b - 0x40), false};
  if (b < 0x80) return {static_cast<std::uint8_t>(b - 0x20), false};
  if (b < 0xA0) return {static_cast<std::uint8_t>(b - 0x40), true};
  if (b < 0xC0) return {static_cast<std::uint8_t>(b - 0x40), false};
  if (b < 0xE0) return {static_cast<std::uint8_t>(b - 0x80), false};
  if (b < 0xFF) return {static_cast<std::uint8_t>(b - 0x80), false};
  return {0x5E, false};
}

constexpr std::array<ScreenCell, 256> MakeScreenCellTable() {
  std::array<ScreenCell, 256> table{};
  for (int b = 0; b < 256; ++b) table[b] = ScreenCellOfByte(static_cast<std::uint8_t>(b));
  return table;
}

// The mapping of all 256 byte codes, as data.
inline constexpr std::array<ScreenCell, 256> kScreenCellOfByte = MakeScreenCellTable();

}  // namespace quillane
