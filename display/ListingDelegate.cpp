#include "ListingDelegate.h"

#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

#include "CellGeometry.h"
#include "ListingColours.h"
#include "ListingModel.h"

namespace quillane::display {

using quillane::CellLook;

ListingDelegate::ListingDelegate(QObject* parent)
    : QStyledItemDelegate(parent),
      side_(kSmallCell),
      background_(QColor::fromRgb(kListingBackground)),
      foreground_(QColor::fromRgb(kListingForeground)),
      background_pen_(background_),
      foreground_pen_(foreground_) {
  // The focus frame: a dotted line of every other pixel inverted.
  focus_pen_ = QPen(Qt::white, 1);
  focus_pen_.setCosmetic(true);
  focus_pen_.setDashPattern({1, 1});
  base_font_ = ListFont(base_font_);
  RefreshFonts();
}

QFont ListingDelegate::ListFont(QFont font) {
  font.setPixelSize(11);
  font.setFixedPitch(true);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

void ListingDelegate::SetCellSize(int side) {
  if (side <= 0 || side == side_) return;
  side_ = side;
  RefreshFonts();
}

void ListingDelegate::SetBaseFont(const QFont& font) {
  base_font_ = font;
  // The faces take little from the list's font; when they come out the same, the prepared
  // glyphs stay.
  for (const quillane::CharsetFont& face : quillane::kCharsetFonts) {
    if (CharsetCellFont(face.charset, side_).resolve(font) != FaceOf(face.charset).font) {
      RefreshFonts();
      return;
    }
  }
}

void ListingDelegate::RefreshFonts() {
  // The character-set face one cell high in crisp single pixels (no antialiasing, no hinting
  // that could move a pixel, no glyphs borrowed from other fonts); the rest from the list's
  // own font. The glyphs are looked up again before the face is next drawn.
  for (const quillane::CharsetFont& charset_font : quillane::kCharsetFonts) {
    Face& face = faces_[quillane::CharsetIndex(charset_font.charset)];
    face.font = CharsetCellFont(charset_font.charset, side_).resolve(base_font_);
    face.prepared = false;
  }
}

void ListingDelegate::PrepareFaces() {
  for (Face& face : faces_) Prepare(face);
}

void ListingDelegate::Prepare(Face& face) {
  if (face.prepared) return;
  // One look-up for all 256 glyphs: each byte's glyph stands alone in its cell, so no text
  // needs laying out.
  const QRawFont raw = QRawFont::fromFont(face.font);
  QString codes(256, QChar());
  for (int byte = 0; byte < 256; ++byte) {
    codes[byte] = FontCharOfByte(static_cast<std::uint8_t>(byte));
  }
  const QList<quint32> indexes = raw.glyphIndexesForString(codes);
  const QList<QPointF> baseline{QPointF(0, raw.ascent())};
  for (int byte = 0; byte < 256; ++byte) {
    QGlyphRun& glyph = face.glyphs[byte];
    glyph.setRawFont(raw);
    glyph.setGlyphIndexes({indexes.value(byte)});
    glyph.setPositions(baseline);
  }
  face.prepared = true;
}

void ListingDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  const QRect item = option.rect;
  // The row's bytes stay the model's; nothing is copied.
  const quillane::ListingRow row = ListingModel::RowAt(index);
  const int length = static_cast<int>(row.text.size());
  Face& face = faces_[quillane::CharsetIndex(charset_)];
  Prepare(face);  // once after a font change, unless PrepareFaces came first

  painter->save();
  painter->setClipRect(item, Qt::IntersectClip);
  painter->setRenderHint(QPainter::TextAntialiasing, false);
  painter->setFont(face.font);
  // Every cell is painted in the listing colours whatever the selection state, so a selected
  // row looks like any other.
  const int cells = CellCount(item.width(), side_);
  for (int column = 0; column < cells; ++column) {
    const QRect cell = CellRect(item, side_, column);
    const CellLook look = quillane::LookOfCell(column, length, row.IsReversed(column));
    painter->fillRect(cell, look == CellLook::kReversed ? foreground_ : background_);
    if (look == CellLook::kBlank) continue;
    painter->setPen(look == CellLook::kReversed ? background_pen_ : foreground_pen_);
    painter->drawGlyphRun(cell.topLeft(),
                          face.glyphs[static_cast<unsigned char>(row.text[column])]);
  }
  if (option.state & QStyle::State_HasFocus) DrawFocusFrame(painter, option);
  painter->restore();
}

void ListingDelegate::DrawFocusFrame(QPainter* painter, const QStyleOptionViewItem& option) const {
  const QRect frame = option.rect.adjusted(0, 0, -1, -1);
  const QPaintEngine* engine = painter->paintEngine();
  if (engine != nullptr && engine->hasFeature(QPaintEngine::RasterOpModes)) {
    painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter->setPen(focus_pen_);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(frame);
    return;
  }
  // A surface without raster operations gets the style's own focus frame.
  QStyleOptionFocusRect focus;
  focus.QStyleOption::operator=(option);
  focus.backgroundColor = background_;
  const QWidget* widget = option.widget;
  QStyle* style = widget != nullptr ? widget->style() : nullptr;
  if (style != nullptr) style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
}

QSize ListingDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& /*index*/) const {
  // As wide as the list shows it, one cell high.
  return QSize(option.rect.width(), side_);
}

}  // namespace quillane::display
