#pragma once

#include "SystemHeaders.h"

#include <array>

#include "Charset.h"
#include "ListingRows.h"

// Draws the rows of ListBox1 as C64 character cells: square cells as high as an item, each
// filled once and given its glyph by one opaque one-character text call, light blue on blue or
// reversed; cells past a row's text only filled; the focus frame last; the selection not
// shown. The faces are made for a cell size once, not per item.
class ListingPainter {
 public:
  ListingPainter();
  ~ListingPainter();
  ListingPainter(const ListingPainter&) = delete;
  ListingPainter& operator=(const ListingPainter&) = delete;

  // Both faces one cell high, without antialiasing.
  void SetCellSize(int side);
  int CellSize() const { return side_; }

  // ListBox1DrawItem: the item of `draw` in the face of `charset`.
  void DrawItem(const DRAWITEMSTRUCT& draw, const ListingRows& rows,
                quillane::Charset charset) const;

  // The brush of the blank area below the rows.
  HBRUSH Background() const { return background_; }

 private:
  int side_ = 0;
  std::array<HFONT, 2> faces_{};  // UpperGraphics, UpperLower
  HBRUSH background_;
  HBRUSH foreground_;
};
