#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "ScreenLine.h"

namespace quillane {

// Which cells of a listing row are drawn in reverse video. A row has 80 columns (two C64 screen
// lines); column c is bit c % 8 of byte c / 8, bit 0 the lowest column of its byte. Columns
// beyond 79 are never reversed.
struct ReverseMap {
  static constexpr int kColumns = kLineColumns;
  static constexpr int kRowBytes = 10;
  using Row = std::array<std::uint8_t, kRowBytes>;

  // The header row before LIST has printed it: reversed from column 2, its opening quote, on.
  static constexpr Row kHeaderRow{0xFC, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

  static constexpr bool IsReversed(const Row& bits, int column) {
    if (column < 0 || column >= kColumns) return false;
    return (bits[static_cast<std::size_t>(column / 8)] >> (column % 8)) & 1u;
  }
};

// Sets (on) or clears the bits of columns first..last; nothing when first > last. Columns
// outside 0-79 are never touched.
void SetReverseRange(ReverseMap::Row& bits, int first, int last, bool on);

}  // namespace quillane
