#pragma once

#include <array>
#include <cstdint>

#include "Charset.h"
#include "ScreenCode.h"
#include "ScreenLine.h"

namespace quillane::render {

// One character as eight pixel rows, top row first, bit 7 the leftmost pixel.
using GlyphRows = std::array<std::uint8_t, kGlyphSide>;

// The 128 screen characters of a character set, indexed by screen code. The tables are
// generated at build time from the same glyph sources as the font files (display/fonts).
using ScreenGlyphs = std::array<GlyphRows, 128>;
const ScreenGlyphs& ScreenGlyphsOf(Charset charset);

// The glyph that shows listing byte b: its screen character, inverted where the C64 shows the
// byte reversed (a control byte kept inside quotes).
inline GlyphRows GlyphRowsOfByte(Charset charset, std::uint8_t b) {
  const ScreenCell cell = kScreenCellOfByte[b];
  GlyphRows rows = ScreenGlyphsOf(charset)[cell.code];
  if (cell.reversed) {
    for (std::uint8_t& row : rows) row = static_cast<std::uint8_t>(~row);
  }
  return rows;
}

}  // namespace quillane::render
