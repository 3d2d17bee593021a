#include <gtest/gtest.h>

#include <cstdint>

#include "ScreenCode.h"

namespace quillane {
namespace {

struct ScreenCellRow {
  std::uint8_t byte;
  std::uint8_t code;
  bool reversed;
};

// Spot checks at the edges of every range of the mapping, as a C64 shows each byte when it
// prints it: letters, shifted letters, graphics, pi, and control bytes kept inside quotes.
constexpr ScreenCellRow kRows[] = {
    {0x00, 0x00, true},   // control byte: reversed '@'
    {0x0D, 0x0D, true},   // return kept in quotes: reversed M
    {0x12, 0x12, true},   // reverse on: reversed R
    {0x1F, 0x1F, true},   //
    {0x20, 0x20, false},  // blank
    {0x22, 0x22, false},  // quote
    {0x3F, 0x3F, false},  // '?'
    {0x40, 0x00, false},  // '@'
    {0x41, 0x01, false},  // A
    {0x5A, 0x1A, false},  // Z
    {0x5F, 0x1F, false},  // left arrow
    {0x60, 0x40, false},  // horizontal line
    {0x7F, 0x5F, false},  //
    {0x80, 0x40, true},   // control byte: reversed shifted '*'
    {0x8D, 0x4D, true},   // shifted return kept in quotes: reversed shifted M
    {0x92, 0x52, true},   // reverse off: reversed shifted R
    {0x9F, 0x5F, true},   //
    {0xA0, 0x60, false},  // shifted blank
    {0xBF, 0x7F, false},  //
    {0xC0, 0x40, false},  // same characters as 0x60-0x7F
    {0xC1, 0x41, false},  // spade (upper-case set) / capital A (lower-case set)
    {0xDF, 0x5F, false},  //
    {0xE0, 0x60, false},  // same characters as 0xA0-0xBF
    {0xFE, 0x7E, false},  //
    {0xFF, 0x5E, false},  // pi
};

TEST(ScreenCodeTest, ByteShowsAsTheScreenCharacterTheC64Prints) {
  for (const ScreenCellRow& row : kRows) {
    const ScreenCell cell = kScreenCellOfByte[row.byte];
    EXPECT_EQ(cell.code, row.code) << "byte 0x" << std::hex << int{row.byte};
    EXPECT_EQ(cell.reversed, row.reversed) << "byte 0x" << std::hex << int{row.byte};
  }
}

TEST(ScreenCodeTest, ExactlyTheControlBytesShowReversed) {
  for (int b = 0; b < 256; ++b) {
    const bool control = (b & 0x7F) < 0x20;
    EXPECT_EQ(kScreenCellOfByte[b].reversed, control) << "byte " << b;
    EXPECT_LT(kScreenCellOfByte[b].code, 0x80) << "byte " << b;
  }
}

TEST(ScreenCodeTest, EveryScreenCharacterIsReachableFromSomeByte) {
  bool reached[128] = {};
  for (const ScreenCell& cell : kScreenCellOfByte) {
    if (!cell.reversed) reached[cell.code] = true;
  }
  for (int code = 0; code < 128; ++code) EXPECT_TRUE(reached[code]) << "screen code " << code;
}

}  // namespace
}  // namespace quillane
