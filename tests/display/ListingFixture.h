#pragma once

// A listing list with its model, reverse map and delegate, as the main window puts them
// together, plus helpers that read the colours of rendered cells.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <memory>
#include <string>

#include "CellGeometry.h"
#include "ListingColours.h"
#include "ListingDelegate.h"
#include "ListingModel.h"
#include "ListingView.h"
#include "ReverseMap.h"

namespace quillane::test {

inline void SetBits(ReverseMap& map, int row, int first, int last, bool on) {
  for (int c = first; c <= last; ++c) {
    auto& byte = map.rows[row][c / 8];
    const auto bit = static_cast<std::uint8_t>(1u << (c % 8));
    byte = on ? (byte | bit) : (byte & ~bit);
  }
}

// Row 0 as a new listing leaves it: reversed from column 2 on.
inline void PresetHeaderRow(ReverseMap& map) {
  SetBits(map, 0, 2, 79, true);
}

// What a cell shows: the colour most of its pixels have, whether its other pixels are all of
// the other listing colour, and whether any glyph pixel is there at all.
struct CellPixels {
  QRgb fill = 0;
  bool only_listing_colours = true;
  int ink = 0;  // pixels not in the fill colour
};

inline CellPixels ReadCell(const QImage& image, const QRect& cell) {
  int background = 0;
  int foreground = 0;
  CellPixels result;
  const QRect inside = cell.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      const QRgb pixel = image.pixel(x, y) | 0xFF000000u;
      if (pixel == kListingBackground) {
        ++background;
      } else if (pixel == kListingForeground) {
        ++foreground;
      } else {
        result.only_listing_colours = false;
      }
    }
  }
  result.fill = background >= foreground ? kListingBackground : kListingForeground;
  result.ink = background >= foreground ? foreground : background;
  return result;
}

class ListingFixture {
 public:
  ListingFixture()
      : delegate(map, [this] { return upper; }), list(std::make_unique<ListingListBox>()) {
    list->setModel(&model);
    list->SetListingDelegate(&delegate);
  }

  void Add(const std::string& bytes) { model.Append(bytes); }

  // Shows the list `columns` cells wide and `height` pixels tall and returns what its viewport
  // shows, without the focus frame that a shown list draws around its current row.
  QImage Grab(int columns, int height) {
    list->resize(columns * list->ItemHeight(), height);
    list->show();
    list->doItemsLayout();
    QApplication::processEvents();
    list->setCurrentIndex(QModelIndex());
    return list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  // Paints item `row` alone with the delegate into an image `columns` cells wide.
  QImage PaintItem(int row, int columns, QStyle::State state = QStyle::State_Enabled,
                   qreal device_ratio = 1.0) {
    const int side = delegate.CellSize();
    QImage image(QSize(columns * side, side) * device_ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(device_ratio);
    image.fill(Qt::magenta);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, columns * side, side);
    option.state = state;
    QPainter painter(&image);
    delegate.paint(&painter, option, model.index(row));
    painter.end();
    return image;
  }

  // Cell `column` of an image holding one item at its top (device pixels at ratio 1).
  QRect Cell(int column, int top = 0) const {
    const int side = delegate.CellSize();
    return CellRect(QRect(0, top, 100000, side), side, column);
  }

  ReverseMap map;
  bool upper = true;
  ListingModel model;
  ListingDelegate delegate;
  std::unique_ptr<ListingListBox> list;
};

}  // namespace quillane::test
