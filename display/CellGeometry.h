#pragma once

#include <QRect>

#include "CellLook.h"
#include "FontFiles.h"
#include "ScreenLine.h"

namespace quillane::display {

// A listing row is a row of square character cells whose side is the list's item height: the
// window chooses it from the screen's dots per inch (FormSizes.h); this is the side before then.
inline constexpr int kSmallCell = kGlyphSide;

// Cell `column` of an item whose rectangle is `item`: `side` pixels wide from
// item.left() + column * side, as tall as the item. The last cell of a row may reach past the
// item's right edge; the painter clips it. Edges are whole pixels, and at the scale steps of
// 25 % (device pixel ratios 1.25, 1.5, 2, ...) 8 x ratio is whole too, so they stay on whole
// device pixels and the glyphs stay crisp.
inline QRect CellRect(const QRect& item, int side, int column) {
  return QRect(item.left() + column * side, item.top(), side, item.height());
}

// How many cells it takes to cover an item `width` pixels wide (the last one partly).
constexpr int CellCount(int width, int side) {
  return (width <= 0 || side <= 0) ? 0 : (width + side - 1) / side;
}

// The character set for the current choice: RadioButton1 "Upper/Graphics" or RadioButton2
// "Upper/Lower". Its face is CharsetFontOf(charset).face.
constexpr Charset CharsetOfChoice(bool upper_chosen) {
  return upper_chosen ? Charset::UpperGraphics : Charset::UpperLower;
}

}  // namespace quillane::display
