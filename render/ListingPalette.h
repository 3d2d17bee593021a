#pragma once

#include <cstdint>

namespace quillane {

struct Rgb {
  std::uint8_t red, green, blue;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The C64's screen colours at power-on: blue (colour 6) behind light blue (colour 14). The
// listing's background, and the glyph colour of a reversed cell; the glyph colour, and the
// background of a reversed cell.
inline constexpr Rgb kListingBackgroundRgb{55, 57, 196};
inline constexpr Rgb kListingForegroundRgb{112, 124, 230};

}  // namespace quillane
