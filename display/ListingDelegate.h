#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QPen>
#include <QStyledItemDelegate>
#include <array>

#include "FontFiles.h"

namespace quillane::display {

// Draws one listing row as a row of square character cells, light blue on blue, swapped where
// the row's reverse-video bits say so, each cell's byte drawn as the glyph of the chosen
// character-set face. Selection shows nothing; the focused row gets a dotted frame. The row's
// bytes and bits come from the model (ListingModel::RowAt).
//
//   ListingDelegate delegate;                   // Upper/Graphics, as a C64 starts
//   list->SetListingDelegate(&delegate);        // ListingListBox hands over cell size and font
//   delegate.SetCharset(Charset::UpperLower);   // when the switch changes; then repaint
class ListingDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit ListingDelegate(QObject* parent = nullptr);

  // The character set the rows are drawn in from the next painting on.
  void SetCharset(quillane::Charset charset) { charset_ = charset; }

  // The cell side in pixels (the list's ItemHeight, 8 or 16); rebuilds the fonts.
  void SetCellSize(int side);
  int CellSize() const { return side_; }

  // The list's own font: the faces take every attribute from it except family and size.
  void SetBaseFont(const QFont& font);

  // The listing list's own font made from `font`: fixed pitch, 11 pixels at 96 dots per inch.
  static QFont ListFont(QFont font);

  // Builds the fonts again, for instance after font files were registered. The glyphs of a
  // face are looked up anew on its next drawing, or earlier by PrepareFaces.
  void RefreshFonts();

  // Looks up the glyphs of both faces now where they are not ready, so that no drawing has to;
  // for a caller with time to spare, such as a window after its first frame.
  void PrepareFaces();

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  // One face at the cell size with a ready glyph for each of the 256 byte codes, its baseline
  // at the cell's bottom edge, so that drawing a cell neither allocates nor lays out text.
  struct Face {
    QFont font;
    std::array<QGlyphRun, 256> glyphs;
    bool prepared = false;  // the glyphs are looked up in font
  };

  static void Prepare(Face& face);
  const Face& FaceOf(quillane::Charset charset) const {
    return faces_[quillane::CharsetIndex(charset)];
  }
  void DrawFocusFrame(QPainter* painter, const QStyleOptionViewItem& option) const;

  quillane::Charset charset_ = quillane::Charset::UpperGraphics;
  int side_;
  QFont base_font_;
  mutable std::array<Face, quillane::kCharsetFonts.size()> faces_;  // in kCharsetFonts order
  QColor background_;
  QColor foreground_;
  QPen background_pen_;
  QPen foreground_pen_;
  QPen focus_pen_;
};

}  // namespace quillane::display
