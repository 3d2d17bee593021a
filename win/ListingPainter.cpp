#include "ListingPainter.h"

#include "CellLook.h"
#include "CharsetFontFiles.h"
#include "ListingPalette.h"

namespace {

constexpr COLORREF ColourOf(quillane::Rgb rgb) {
  return RGB(rgb.red, rgb.green, rgb.blue);
}

constexpr COLORREF kBackground = ColourOf(quillane::kListingBackgroundRgb);
constexpr COLORREF kForeground = ColourOf(quillane::kListingForegroundRgb);

// Both faces hold the glyph of listing byte b at U+E000 + b.
constexpr wchar_t kGlyphBase = 0xE000;

}  // namespace

ListingPainter::ListingPainter()
    : background_(CreateSolidBrush(kBackground)), foreground_(CreateSolidBrush(kForeground)) {}

ListingPainter::~ListingPainter() {
  for (HFONT face : faces_) DeleteObject(face);
  DeleteObject(background_);
  DeleteObject(foreground_);
}

void ListingPainter::SetCellSize(int side) {
  if (side == side_) return;
  side_ = side;
  for (std::size_t i = 0; i < faces_.size(); ++i) {
    if (faces_[i] != nullptr) DeleteObject(faces_[i]);
    const quillane::Charset charset =
        i == 0 ? quillane::Charset::UpperGraphics : quillane::Charset::UpperLower;
    // With ANSI_CHARSET the face would not be matched and a fallback font would draw boxes;
    // NONANTIALIASED_QUALITY keeps each glyph pixel a whole cell pixel.
    faces_[i] = CreateFontA(-side, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                            FIXED_PITCH | FF_DONTCARE, quillane::CharsetFontOf(charset).face);
  }
}

void ListingPainter::DrawItem(const DRAWITEMSTRUCT& draw, const ListingRows& rows,
                              quillane::Charset charset) const {
  const RECT& item = draw.rcItem;
  HDC dc = draw.hDC;
  const ListingRows::Row* row = rows.At(static_cast<int>(draw.itemID));
  if (row == nullptr || side_ <= 0) {
    FillRect(dc, &item, background_);
  } else {
    HGDIOBJ old_font =
        SelectObject(dc, faces_[charset == quillane::Charset::UpperGraphics ? 0 : 1]);
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    const int length = static_cast<int>(row->text.size());
    const int width = item.right - item.left;
    const int cells = (width + side_ - 1) / side_;
    for (int column = 0; column < cells; ++column) {
      const RECT cell{item.left + column * side_, item.top, item.left + (column + 1) * side_,
                      item.bottom};
      const bool reverse = quillane::ReverseMap::IsReversed(row->reverse, column);
      const quillane::CellLook look = quillane::LookOfCell(column, length, reverse);
      const bool reversed = look == quillane::CellLook::kReversed;
      FillRect(dc, &cell, reversed ? foreground_ : background_);
      if (look == quillane::CellLook::kBlank) continue;
      SetBkColor(dc, reversed ? kForeground : kBackground);
      SetTextColor(dc, reversed ? kBackground : kForeground);
      const wchar_t glyph =
          static_cast<wchar_t>(kGlyphBase + static_cast<unsigned char>(row->text[column]));
      ExtTextOutW(dc, cell.left, cell.top, ETO_OPAQUE | ETO_CLIPPED, &cell, &glyph, 1, nullptr);
    }
    SelectObject(dc, old_font);
  }
  if ((draw.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &item);
}
