#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quillane {

// Which cells of each listing row are drawn in reverse video: 300 rows (two header rows, 288
// entries and the blocks-free row at the most) of 80 columns. Column c of a row is bit c % 8 of
// byte c / 8, bit 0 the lowest column of its byte.
struct ReverseMap {
  static constexpr int kRows = 300;
  static constexpr int kColumns = 80;
  static constexpr int kRowBytes = 10;
  using Row = std::array<std::uint8_t, kRowBytes>;
  std::array<Row, kRows> rows{};

  // Whether `column` is set in one row's bits; columns outside 0-79 never are.
  static bool IsReversed(const Row& bits, int column) {
    if (column < 0 || column >= kColumns) return false;
    return (bits[static_cast<std::size_t>(column / 8)] >> (column % 8)) & 1u;
  }
  bool IsReversed(int row, int column) const {
    if (row < 0 || row >= kRows) return false;
    return IsReversed(rows[static_cast<std::size_t>(row)], column);
  }
};

// Row 0 becomes FC FF FF FF FF FF FF FF FF FF (the header is reversed from column 2, its opening
// quote, on); rows 1-299 are cleared.
void ResetReverseMap(ReverseMap& map);

// Sets (on) or clears the bits of columns first..last of the row; nothing when first > last.
// Columns beyond 79 and rows outside the map are never touched.
void SetReverseRange(ReverseMap& map, int row, int first, int last, bool on);

}  // namespace quillane
