#pragma once

#include "ScreenLine.h"

// The sizes the main window takes when it is first shown. The listing draws each character in
// a square cell as high as one item of the list; the 8 x 8 glyphs of the C64 are drawn 1:1
// below 120 dots per inch and doubled from 120 up, never at a fractional scale, and the window
// is made wide enough for the browser pane and the listing at that size.
struct FormSizes {
  int item_height;
  int client_width;
};

// The resolution the layouts were designed at, and the one from which the cells are doubled.
inline constexpr int kDesignDotsPerInch = 96;
inline constexpr int kLargeCellDotsPerInch = 120;
inline constexpr FormSizes kSmallFormSizes{quillane::kGlyphSide, 533};
inline constexpr FormSizes kLargeFormSizes{2 * quillane::kGlyphSide, 667};

constexpr FormSizes SizesForDotsPerInch(int dots_per_inch) {
  return dots_per_inch < kLargeCellDotsPerInch ? kSmallFormSizes : kLargeFormSizes;
}
