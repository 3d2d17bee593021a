// Listing rows drawn by the delegate into images and checked pixel by pixel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <string>

#include "CellGeometry.h"
#include "ListingColours.h"
#include "ListingDelegate.h"
#include "ListingModel.h"
#include "ListingView.h"
#include "ReverseMap.h"

namespace quillane {
namespace {

enum Look { kNormal, kReversed, kBlank };

int CountPixels(const QImage& image, const QRect& rect, QRgb colour) {
  int count = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      count += (image.pixel(x, y) | 0xFF000000u) == colour;
    }
  }
  return count;
}

// A listing list with its model, reverse map and delegate, as the main window puts them
// together. The character-set fonts are registered after the list exists, as a font registered
// while the program runs must reach it.
class ListingRenderTest : public testing::Test {
 protected:
  void SetUp() override {
    list.setModel(&model);
    list.SetListingDelegate(&delegate);
    for (Charset charset : {Charset::UpperGraphics, Charset::UpperLower}) {
      ids.push_back(QFontDatabase::addApplicationFont(FontFilePath(QL_BIN_DIR, charset)));
      ASSERT_NE(ids.back(), -1);
    }
  }
  void TearDown() override {
    for (int id : ids) QFontDatabase::removeApplicationFont(id);
  }

  // Appends a row whose cells first..last of each run are reversed.
  void Add(const std::string& text, std::initializer_list<std::pair<int, int>> runs = {}) {
    ReverseMap map;
    for (auto [first, last] : runs) SetReverseRange(map, 0, first, last, true);
    model.Append({text, map.rows[0]});
  }

  // Shows the list `columns` cells wide and `height` pixels tall and gives what its viewport
  // shows, without the focus frame that a shown list draws around its current row.
  QImage Grab(int columns, int height) {
    list.resize(columns * list.ItemHeight(), height);
    list.show();
    list.doItemsLayout();
    QApplication::processEvents();
    list.setCurrentIndex(QModelIndex());
    return list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  // Paints item `row` alone with the delegate into an image `columns` cells wide.
  QImage PaintItem(int row, int columns, QStyle::State state = QStyle::State_Enabled) {
    const int side = delegate.CellSize();
    QImage image(columns * side, side, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, columns * side, side);
    option.state = state;
    QPainter painter(&image);
    delegate.paint(&painter, option, model.index(row));
    painter.end();
    return image;
  }

  QRect Cell(int c, int top = 0) const {
    return QRect(c * delegate.CellSize(), top, delegate.CellSize(), delegate.CellSize());
  }

  // Checks cells first..last of the item at `top`: only the two listing colours, the fill the
  // look asks for in the bottom-left pixel (blank in the letters, digits and quotes used here),
  // and nothing but the fill in a blank cell.
  void ExpectCells(const QImage& image, int first, int last, Look look, int top = 0) const {
    const QRgb fill = look == kReversed ? kListingForeground : kListingBackground;
    const QRgb ink = look == kReversed ? kListingBackground : kListingForeground;
    for (int c = first; c <= last; ++c) {
      const QRect cell = Cell(c, top);
      const int inks = CountPixels(image, cell, ink);
      EXPECT_EQ(CountPixels(image, cell, fill) + inks, cell.width() * cell.height())
          << "other colours in cell " << c;
      EXPECT_EQ(image.pixel(cell.bottomLeft()) | 0xFF000000u, fill) << "cell " << c;
      EXPECT_TRUE(look != kBlank || inks == 0) << "cell " << c << " is not blank";
    }
  }

  bool upper = true;
  ListingModel model;
  ListingDelegate delegate{[this] { return upper; }};
  ListingListBox list;
  std::vector<int> ids;
};

// The header row as a new listing leaves it: reversed from column 2, the control byte's cell
// cleared. A file row with a reversed run inside its name.
TEST_F(ListingRenderTest, HeaderAndFileRowsShowTheirReverseBitsUpToTheEndOfTheText) {
  Add("0 \"DISK\x05NAME\" 01 2A", {{2, 6}, {8, 79}});  // the 0x05 stayed inside the quotes
  Add("12   \"ABCDEF\"  PRG", {{9, 10}});
  const QImage top = PaintItem(0, 43);
  ExpectCells(top, 0, 1, kNormal);
  ExpectCells(top, 2, 6, kReversed);
  // The control byte keeps the normal colours; its own glyph, a reversed E, makes it look
  // reversed all the same.
  ExpectCells(top, 7, 7, kReversed);
  ExpectCells(top, 8, 18, kReversed);
  ExpectCells(top, 19, 42, kBlank);
  const QImage file = PaintItem(1, 43);
  ExpectCells(file, 0, 8, kNormal);
  ExpectCells(file, 9, 10, kReversed);
  ExpectCells(file, 11, 17, kNormal);
  ExpectCells(file, 18, 42, kBlank);
}

// Columns 80 on, past the two screen lines the reverse bits cover, take the normal colours.
TEST_F(ListingRenderTest, ColumnsFromEightyOnAreNeverReversed) {
  Add(std::string(82, 'A'), {{0, 79}});
  const QImage image = PaintItem(0, 83);
  ExpectCells(image, 79, 79, kReversed);
  ExpectCells(image, 80, 81, kNormal);
  ExpectCells(image, 82, 82, kBlank);
}

TEST_F(ListingRenderTest, ThreeCharacterLineInAFortyThreeCellListThenBlueBelow) {
  Add("ABC", {{0, 0}, {2, 79}});
  const QImage image = Grab(43, 100);
  ASSERT_EQ(image.width(), 43 * 8);
  ExpectCells(image, 0, 0, kReversed);
  ExpectCells(image, 1, 1, kNormal);
  ExpectCells(image, 2, 2, kReversed);
  ExpectCells(image, 3, 42, kBlank);
  // The list's own background below the last item.
  const QRect below(0, 8, image.width(), image.height() - 8);
  EXPECT_EQ(CountPixels(image, below, kListingBackground), below.width() * below.height());
}

TEST_F(ListingRenderTest, OtherFaceAfterSwitchSameCellsOtherGlyphs) {
  EXPECT_EQ(QFontInfo(delegate.FaceFont(Charset::UpperGraphics)).family(), "Vexa-Dir-Upper");
  EXPECT_EQ(QFontInfo(delegate.FaceFont(Charset::UpperLower)).family(), "Vexa-Dir-Lower");
  Add(" A", {{1, 1}});  // a blank, then the letter A: a capital in one set, small in the other
  const QImage upperImage = Grab(4, 8);
  upper = false;
  const QImage lowerImage = Grab(4, 8);
  for (const QImage* image : {&upperImage, &lowerImage}) {
    ExpectCells(*image, 0, 0, kBlank);  // the space glyph has no pixels
    ExpectCells(*image, 1, 1, kReversed);
    ExpectCells(*image, 2, 3, kBlank);
    EXPECT_GT(CountPixels(*image, Cell(1), kListingBackground), 0);
  }
  EXPECT_NE(upperImage.copy(Cell(1)), lowerImage.copy(Cell(1)));
}

TEST_F(ListingRenderTest, SixteenPixelCellsHoldTheEightPixelGlyphsDoubled) {
  Add("0 \"AB\"", {{2, 79}});
  Add("X");
  const QImage small = PaintItem(1, 1);
  EXPECT_GT(CountPixels(small, Cell(0), kListingForeground), 0);
  list.SetItemHeight(kLargeCell);
  const QImage image = Grab(20, 64);
  ASSERT_EQ(image.width(), 320);
  ExpectCells(image, 0, 1, kNormal);
  ExpectCells(image, 2, 5, kReversed);
  ExpectCells(image, 6, 19, kBlank);
  ExpectCells(image, 0, 0, kNormal, 16);
  ExpectCells(image, 1, 19, kBlank, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      ASSERT_EQ(image.pixel(x, 16 + y), small.pixel(x / 2, y / 2)) << x << "," << y;
    }
  }
}

TEST_F(ListingRenderTest, SelectionShowsNothingAndFocusOnlyAFrame) {
  Add("0 \"AB\" CD 2A", {{2, 79}});
  const QImage plain = PaintItem(0, 20);
  EXPECT_EQ(PaintItem(0, 20, QStyle::State_Enabled | QStyle::State_Selected | QStyle::State_Active),
            plain);
  // Focus adds a frame on the border only.
  const QImage focused = PaintItem(0, 20, QStyle::State_Enabled | QStyle::State_HasFocus);
  EXPECT_NE(focused, plain);
  EXPECT_EQ(focused.copy(1, 1, 158, 6), plain.copy(1, 1, 158, 6));
}

}  // namespace
}  // namespace quillane
