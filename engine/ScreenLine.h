#pragma once

namespace quillane {

// The C64 text screen a listing is printed on: lines of 40 columns, each character a square of
// 8 x 8 pixels. LIST prints a line on two screen lines at the most: 80 columns.
inline constexpr int kScreenColumns = 40;
inline constexpr int kLineColumns = 2 * kScreenColumns;
inline constexpr int kGlyphSide = 8;

}  // namespace quillane
