#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "Charset.h"
#include "ListingPalette.h"
#include "ListingRow.h"

// The listing as a picture, without a window: each row a row of square character cells in the
// two C64 colours, each cell's byte drawn as the 8 x 8 glyph of the chosen character set,
// magnified `scale` times. The picture is exactly what the listing list of the window shows
// with cells of 8 x scale pixels (no focus frame, no selection), so a picture at scale 1 or 2
// equals the window's listing at 8- or 16-pixel cells.
//
//   std::vector<quillane::ListingRow> rows;  // as the directory walk appends them; the
//                                            // texts must live until RenderListing returns
//   const quillane::RgbImage picture =
//       quillane::RenderListing(rows, quillane::Charset::UpperGraphics, 2);
//   // picture.width == PictureColumns(rows) * 16, picture.height == rows.size() * 16;
//   // in Qt: QImage(picture.pixels.data(), picture.width, picture.height,
//   //               picture.width * 3, QImage::Format_RGB888).copy()
//
//   const quillane::RgbImage thumbnail = quillane::FitInto(picture, 256);  // at most 256 x 256

namespace quillane {

// Pixels row by row from the top, three bytes (red, green, blue) each, no padding.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;

  bool Empty() const { return width <= 0 || height <= 0; }
  Rgb At(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(x)) *
                          3;
    return {pixels[i], pixels[i + 1], pixels[i + 2]};
  }
};

// Magnifications from one screen pixel per glyph pixel up to 8 x 8 (a 64-pixel cell).
inline constexpr int kMinScale = 1;
inline constexpr int kMaxScale = 8;

// How many columns a picture of `rows` shows: a screen line, or the longest row when wider.
int PictureColumns(std::span<const ListingRow> rows);

// The rows drawn `columns` cells wide (0: PictureColumns(rows)); cells past the end of a row's
// text are plain background. An empty picture when the scale lies outside 1-8 or there is
// nothing to draw.
RgbImage RenderListing(std::span<const ListingRow> rows, Charset charset, int scale,
                       int columns = 0);

// The picture shrunk to fit into max_side x max_side pixels, keeping its aspect; each new
// pixel is the average of the old pixels it covers (a box filter). A picture that fits
// already is returned as it is: pictures are never enlarged.
RgbImage FitInto(const RgbImage& picture, int max_side);

}  // namespace quillane
