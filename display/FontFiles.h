#pragma once

#include <QChar>
#include <QFont>
#include <QString>
#include <cstdint>

#include "CharsetFontFiles.h"

namespace quillane::display {

// The full path of the font file of `charset` in the folder `programDir`.
QString FontFilePath(const QString& programDir, Charset charset);

// Both faces hold the glyph of listing byte b at U+E000 + b, in the Private Use Area, where
// text engines give no special treatment to what are control codes in ASCII. Each glyph fills
// one square cell: advance, ascent and pixel size are equal and the descent is zero.
inline constexpr char16_t kGlyphBase = 0xE000;

// The face of `charset` set up to draw one glyph per cell of side `cellSize` pixels: pixel size
// equal to the cell, no antialiasing, no hinting and no fallback to other fonts, so each glyph
// comes out as the crisp 8 x 8 pixel grid it was drawn as (scaled by cellSize / 8). Draw the
// glyph with its baseline at the cell's bottom edge, which is cell top + QFontMetrics::ascent().
QFont CharsetCellFont(Charset charset, int cellSize);

// The character at which both faces hold the glyph of listing byte b.
inline QChar FontCharOfByte(std::uint8_t b) {
  return QChar(static_cast<char16_t>(kGlyphBase + b));
}

}  // namespace quillane::display
