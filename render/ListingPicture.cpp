#include "ListingPicture.h"

#include <algorithm>
#include <cstddef>

#include "CellLook.h"
#include "CharsetGlyphs.h"

namespace quillane {
namespace {

void PutPixel(std::uint8_t* at, Rgb colour) {
  at[0] = colour.red;
  at[1] = colour.green;
  at[2] = colour.blue;
}

}  // namespace

int PictureColumns(std::span<const ListingRow> rows) {
  std::size_t longest = kScreenColumns;
  for (const ListingRow& row : rows) longest = std::max(longest, row.text.size());
  return static_cast<int>(longest);
}

RgbImage RenderListing(std::span<const ListingRow> rows, Charset charset, int scale, int columns) {
  RgbImage picture;
  if (scale < kMinScale || scale > kMaxScale || rows.empty()) return picture;
  if (columns <= 0) columns = PictureColumns(rows);
  const int side = kGlyphSide * scale;
  picture.width = columns * side;
  picture.height = static_cast<int>(rows.size()) * side;
  picture.pixels.resize(static_cast<std::size_t>(picture.width) *
                        static_cast<std::size_t>(picture.height) * 3);
  const std::size_t stride = static_cast<std::size_t>(picture.width) * 3;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const ListingRow& row = rows[r];
    const int length = static_cast<int>(row.text.size());
    std::uint8_t* cell_top = picture.pixels.data() + r * static_cast<std::size_t>(side) * stride;
    for (int c = 0; c < columns; ++c, cell_top += static_cast<std::size_t>(side) * 3) {
      const CellLook look = LookOfCell(c, length, row.IsReversed(c));
      const bool reversed = look == CellLook::kReversed;
      const Rgb fill = reversed ? kListingForegroundRgb : kListingBackgroundRgb;
      const Rgb ink = reversed ? kListingBackgroundRgb : kListingForegroundRgb;
      const render::GlyphRows glyph =
          look == CellLook::kBlank
              ? render::GlyphRows{}
              : render::GlyphRowsOfByte(charset, static_cast<std::uint8_t>(row.text[c]));
      for (int y = 0; y < side; ++y) {
        const unsigned bits = glyph[static_cast<std::size_t>(y / scale)];
        std::uint8_t* at = cell_top + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < side; ++x, at += 3) {
          PutPixel(at, (bits & (0x80u >> (x / scale))) != 0 ? ink : fill);
        }
      }
    }
  }
  return picture;
}

RgbImage FitInto(const RgbImage& picture, int max_side) {
  if (max_side <= 0 || picture.Empty()) return {};
  if (picture.width <= max_side && picture.height <= max_side) return picture;
  // The longer side becomes max_side, the other in proportion, rounded, at least one pixel.
  const long long w = picture.width, h = picture.height, longer = std::max(w, h);
  RgbImage fitted;
  fitted.width = static_cast<int>(std::max(1LL, (w * max_side + longer / 2) / longer));
  fitted.height = static_cast<int>(std::max(1LL, (h * max_side + longer / 2) / longer));
  fitted.pixels.resize(static_cast<std::size_t>(fitted.width) *
                       static_cast<std::size_t>(fitted.height) * 3);
  std::uint8_t* out = fitted.pixels.data();
  for (long long oy = 0; oy < fitted.height; ++oy) {
    const long long y0 = oy * h / fitted.height, y1 = (oy + 1) * h / fitted.height;
    for (long long ox = 0; ox < fitted.width; ++ox, out += 3) {
      const long long x0 = ox * w / fitted.width, x1 = (ox + 1) * w / fitted.width;
      long long sum[3] = {0, 0, 0};
      for (long long y = y0; y < y1; ++y) {
        const std::uint8_t* in = picture.pixels.data() + (y * w + x0) * 3;
        for (long long x = x0; x < x1; ++x, in += 3) {
          sum[0] += in[0];
          sum[1] += in[1];
          sum[2] += in[2];
        }
      }
      const long long count = (y1 - y0) * (x1 - x0);
      for (int i = 0; i < 3; ++i) out[i] = static_cast<std::uint8_t>((sum[i] + count / 2) / count);
    }
  }
  return fitted;
}

}  // namespace quillane
