// Rows rendered into images, checked pixel by pixel.
#include <gtest/gtest.h>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>

#include "ListEmulation.h"
#include "ListingFixture.h"

namespace quillane::test {
namespace {

enum Expect { kNormal, kReversed, kBlank };

// Checks cells first..last of the item at `top` against the expected look.
void ExpectCells(const QImage& image, const ListingFixture& f, int first, int last, Expect look,
                 int top = 0) {
  for (int c = first; c <= last; ++c) {
    const CellPixels cell = ReadCell(image, f.Cell(c, top));
    EXPECT_TRUE(cell.only_listing_colours) << "cell " << c << " has other colours";
    EXPECT_EQ(cell.fill, look == kReversed ? kListingForeground : kListingBackground)
        << "cell " << c;
    if (look == kBlank) {
      EXPECT_EQ(cell.ink, 0) << "cell " << c << " is not blank";
    }
  }
}

std::string HeaderText() {
  // 0 "DISK<05>NAME" 01 2A: the 0x05 stayed in the text inside the quotes.
  return std::string("0 \"DISK") + '\x05' + "NAME\" 01 2A";
}

// The same rows as the directory walk makes them: emulated, control cells cleared, the type
// appended after the emulation.
TEST(ListingRenderTest, RowsFromTheListEmulationDrawAsTheC64ShowsThem) {
  ListingFixture f;
  ResetReverseMap(f.map);
  const EmulatedLine header = EmulateListLine(f.map, 0, HeaderText(), std::nullopt);
  ClearControlColumns(f.map, 0, header.text, 0);
  f.Add(header.text);
  const std::string name = std::string("\"AB\"") + '\x12' + "CD" + '\x92' + "EF";
  const EmulatedLine entry = EmulateListLine(f.map, 1, name, std::string_view("12   "));
  ClearControlColumns(f.map, 1, entry.text, static_cast<int>(entry.prefix.size()));
  f.Add(entry.prefix + entry.text + "  PRG");
  ASSERT_EQ(f.model.RowBytes(1), QByteArray("12   \"AB\"CDEF  PRG"));

  const QImage top = f.PaintItem(0, 43);
  ExpectCells(top, f, 0, 1, kNormal);
  ExpectCells(top, f, 2, 6, kReversed);
  ExpectCells(top, f, 7, 7, kNormal);
  ExpectCells(top, f, 8, 18, kReversed);
  ExpectCells(top, f, 19, 42, kBlank);
  const QImage file = f.PaintItem(1, 43);
  ExpectCells(file, f, 0, 8, kNormal);
  ExpectCells(file, f, 9, 10, kReversed);
  ExpectCells(file, f, 11, 17, kNormal);
  ExpectCells(file, f, 18, 42, kBlank);
  // The run's edges are sharp pixel columns.
  EXPECT_EQ(file.pixel(71, 0) | 0xFF000000u, kListingBackground);
  EXPECT_EQ(file.pixel(72, 0) | 0xFF000000u, kListingForeground);
}

TEST(ListingRenderTest, ThreeCharacterLineInAFortyThreeCellListThenBlueBelow) {
  ListingFixture f;
  f.Add("ABC");
  SetBits(f.map, 0, 0, 79, true);
  SetBits(f.map, 0, 1, 1, false);
  const QImage image = f.Grab(43, 100);
  ASSERT_EQ(image.width(), 43 * 8);
  ExpectCells(image, f, 0, 0, kReversed);
  ExpectCells(image, f, 1, 1, kNormal);
  ExpectCells(image, f, 2, 2, kReversed);
  ExpectCells(image, f, 3, 42, kBlank);
  // The list's own background below the last item.
  for (int y = 8; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      ASSERT_EQ(image.pixel(x, y) | 0xFF000000u, kListingBackground) << x << "," << y;
    }
  }
}

TEST(ListingRenderTest, SixteenPixelCellsHoldHalfAsManyColumns) {
  ListingFixture f;
  f.list->SetItemHeight(kLargeCell);
  f.Add("0 \"AB\"");
  f.Add("X");
  PresetHeaderRow(f.map);
  const QImage image = f.Grab(20, 64);
  ASSERT_EQ(image.width(), 320);
  EXPECT_EQ(f.list->visualRect(f.model.index(1)), QRect(0, 16, 320, 16));
  ExpectCells(image, f, 0, 1, kNormal);
  ExpectCells(image, f, 2, 5, kReversed);
  ExpectCells(image, f, 6, 19, kBlank);
  ExpectCells(image, f, 0, 0, kNormal, 16);
  ExpectCells(image, f, 1, 19, kBlank, 16);
  EXPECT_EQ(image.pixel(31, 8) | 0xFF000000u, kListingBackground);
  EXPECT_EQ(image.pixel(32, 8) | 0xFF000000u, kListingForeground);
  EXPECT_EQ(image.pixel(32, 32) | 0xFF000000u, kListingBackground);
}

TEST(ListingRenderTest, SelectionShowsNothingAndFocusOnlyAFrame) {
  ListingFixture f;
  f.Add("0 \"AB\" CD 2A");
  PresetHeaderRow(f.map);
  const QImage plain = f.PaintItem(0, 20);
  const QImage selected =
      f.PaintItem(0, 20, QStyle::State_Enabled | QStyle::State_Selected | QStyle::State_Active);
  EXPECT_EQ(plain, selected);

  const QImage focused = f.PaintItem(0, 20, QStyle::State_Enabled | QStyle::State_HasFocus);
  int changed = 0;
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      if (plain.pixel(x, y) == focused.pixel(x, y)) continue;
      ++changed;
      const bool on_border = x == 0 || y == 0 || x == plain.width() - 1 || y == plain.height() - 1;
      EXPECT_TRUE(on_border) << x << "," << y;
      // Inverted, as a focus rectangle drawn with XOR does.
      EXPECT_EQ(focused.pixel(x, y) & 0xFFFFFFu, ~plain.pixel(x, y) & 0xFFFFFFu) << x << "," << y;
    }
  }
  EXPECT_GT(changed, plain.width() / 2);
}

TEST(ListingRenderTest, CellEdgesLandOnDevicePixelsAtDoubleScale) {
  ListingFixture f;
  f.Add("0 \"AB\"");
  PresetHeaderRow(f.map);
  const QImage image = f.PaintItem(0, 10, QStyle::State_Enabled, 2.0);
  ASSERT_EQ(image.width(), 160);
  for (int y = 0; y < 16; ++y) {
    EXPECT_EQ(image.pixel(31, y) | 0xFF000000u, kListingBackground) << y;  // cell 1 ends
    EXPECT_EQ(image.pixel(32, y) | 0xFF000000u, kListingForeground) << y;  // cell 2 begins
  }
  const CellPixels blank = ReadCell(image, QRect(6 * 16, 0, 16, 16));
  EXPECT_EQ(blank.ink, 0);
}

// Glyph pixels need the real character-set fonts next to the programs. They are registered
// after the list exists, as a font registered while the program runs must reach it.
class ListingGlyphTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* file : {"/Vexa-Upper.fon", "/Vexa-Lower.fon"}) {
      const QString path = QStringLiteral(QL_BIN_DIR) + QLatin1String(file);
      if (!QFile::exists(path)) GTEST_SKIP() << "no font file " << path.toStdString();
      const int id = QFontDatabase::addApplicationFont(path);
      ASSERT_NE(id, -1) << path.toStdString();
      ids_.push_back(id);
    }
  }
  void TearDown() override {
    for (int id : ids_) QFontDatabase::removeApplicationFont(id);
  }
  QImage Regrab() {
    f.list->RepaintNow();
    return f.list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  ListingFixture f;
  std::vector<int> ids_;
};

TEST_F(ListingGlyphTest, OtherFaceAfterSwitchSameCellsOtherGlyphs) {
  EXPECT_EQ(QFontInfo(f.delegate.FaceFont(Charset::UpperGraphics)).family(), "Vexa-Dir-Upper");
  EXPECT_EQ(QFontInfo(f.delegate.FaceFont(Charset::UpperLower)).family(), "Vexa-Dir-Lower");
  f.Add(" A");  // a blank, then the letter A: a capital in one set, a small letter in the other
  SetBits(f.map, 0, 1, 1, true);
  const QImage upper = f.Grab(4, 8);
  f.upper = false;
  const QImage lower = Regrab();
  for (const QImage* image : {&upper, &lower}) {
    ExpectCells(*image, f, 0, 0, kBlank);  // the space glyph has no pixels
    ExpectCells(*image, f, 1, 1, kReversed);
    ExpectCells(*image, f, 2, 3, kBlank);
    EXPECT_GT(ReadCell(*image, f.Cell(1)).ink, 0);
  }
  EXPECT_NE(upper.copy(f.Cell(1)), lower.copy(f.Cell(1)));
}

TEST_F(ListingGlyphTest, SixteenPixelGlyphIsTheEightPixelGlyphDoubled) {
  f.Add("A");
  const QImage small = f.PaintItem(0, 1);
  f.list->SetItemHeight(kLargeCell);
  const QImage large = f.PaintItem(0, 1);
  ASSERT_EQ(large.size(), QSize(16, 16));
  EXPECT_GT(ReadCell(small, QRect(0, 0, 8, 8)).ink, 0);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      ASSERT_EQ(large.pixel(x, y), small.pixel(x / 2, y / 2)) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace quillane::test
