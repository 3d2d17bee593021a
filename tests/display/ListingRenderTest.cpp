// Listing rows drawn by the delegate into images and checked pixel by pixel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <string>

#include "ListingColours.h"
#include "ListingDelegate.h"
#include "ListingListBox.h"
#include "ListingModel.h"

namespace quillane {
namespace {

using namespace quillane::display;

// A listing list with its model and delegate, as the main window puts them together; the
// fonts are registered after the list exists, as fonts registered while the program runs.
class ListingRenderTest : public testing::Test {
 protected:
  void SetUp() override {
    list.setModel(&model);
    list.SetListingDelegate(&delegate);
    for (Charset charset : {Charset::UpperGraphics, Charset::UpperLower})
      QFontDatabase::addApplicationFont(FontFilePath(QL_BIN_DIR, charset));
  }

  // Item `row` painted alone into an image `columns` cells wide.
  QImage Paint(int row, int columns, QStyle::State state = QStyle::State_Enabled) {
    const int side = delegate.CellSize();
    QImage image(columns * side, side, QImage::Format_RGB32);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    option.state = state;
    QPainter painter(&image);
    delegate.paint(&painter, option, model.index(row));
    return image;
  }

  // Each cell as the test sees it: 'R' reversed fill, 'N' normal fill with ink, '.' normal
  // fill without ink (blank), '?' anything else.
  std::string Looks(const QImage& image) const {
    const int side = delegate.CellSize();
    std::string looks;
    for (int x = 0; x + side <= image.width(); x += side) {
      const QRgb back = image.pixel(x, side - 1) | 0xFF000000u;
      const QRgb fore = back == kListingBackground ? kListingForeground : kListingBackground;
      int fill = 0, ink = 0;
      for (int i = 0; i < side * side; ++i) {
        const QRgb p = image.pixel(x + i % side, i / side) | 0xFF000000u;
        fill += p == back, ink += p == fore;
      }
      looks += fill + ink != side * side ? '?' : back == kListingForeground ? 'R' : ink ? 'N' : '.';
    }
    return looks;
  }

  ListingModel model;
  ListingDelegate delegate;
  ListingListBox list;
};

// Reverse bits up to the end of the text and column 79; a control byte's cell (0x05, a
// reversed E) keeps the normal colours, its glyph reversed itself; blank cells past the text.
TEST_F(ListingRenderTest, CellsFollowTheRowsBitsUpToTheEndOfTheText) {
  model.Append({"0 \"D\x05NA\" 01", {0xEC, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}});
  model.Append({"12   \"ABC\" PRG", {0x00, 0x03}});
  model.Append({std::string(82, 'A'), ReverseMap::kHeaderRow});
  EXPECT_EQ(Looks(Paint(0, 14)), "N.RRRRRRRRR...");
  EXPECT_EQ(Looks(Paint(1, 16)), "NN...NNNRR.NNN..");
  EXPECT_EQ(Looks(Paint(2, 84)).substr(78), "RRNN..");
  // The letter A: a capital in one set, small in the other, switched while the program runs.
  model.Append({" A", {0x02}});
  const QImage upperImage = Paint(3, 4);
  delegate.SetCharset(Charset::UpperLower);
  EXPECT_EQ(Looks(Paint(3, 4)), ".R..");
  EXPECT_EQ(Looks(upperImage), ".R..");
  EXPECT_NE(upperImage, Paint(3, 4));
}

TEST_F(ListingRenderTest, SelectionShowsNothingAndFocusOnlyAFrame) {
  model.Append({"0 \"AB\" CD 2A", ReverseMap::kHeaderRow});
  const QImage plain = Paint(0, 20);
  EXPECT_EQ(Paint(0, 20, QStyle::State_Enabled | QStyle::State_Selected), plain);
  const QImage focused = Paint(0, 20, QStyle::State_Enabled | QStyle::State_HasFocus);
  EXPECT_NE(focused, plain);
  EXPECT_EQ(focused.copy(1, 1, 158, 6), plain.copy(1, 1, 158, 6));
}

}  // namespace
}  // namespace quillane
