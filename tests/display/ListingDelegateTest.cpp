// What the delegate asks of the painter, cell by cell, recorded without pixels.
#include <gtest/gtest.h>
#include <QPainter>

#include "ListingFixture.h"
#include "RecordingPaintDevice.h"

namespace quillane::test {
namespace {

struct Recording {
  std::vector<RecordedFill> fills;
  std::vector<RecordedText> texts;
};

Recording Record(ListingFixture& f, int row, int columns) {
  const int side = f.delegate.CellSize();
  RecordingPaintDevice device(QSize(columns * side, side));
  QStyleOptionViewItem option;
  option.rect = QRect(0, 0, columns * side, side);
  option.state = QStyle::State_Enabled | QStyle::State_Selected;
  {
    QPainter painter(&device);
    f.delegate.paint(&painter, option, f.model.index(row));
  }
  return {device.engine().fills, device.engine().texts};
}

QString Glyph(unsigned char byte) {
  return QString(GlyphOfByte(byte));
}

TEST(ListingDelegateTest, EachCellGetsOneFillAndEachCharacterOneSingleGlyphDraw) {
  ListingFixture f;
  f.Add("A\x12\xC1");  // a control byte kept in the text draws as its own glyph
  SetBits(f.map, 0, 1, 79, true);
  const Recording r = Record(f, 0, 5);

  ASSERT_EQ(r.fills.size(), 5u);
  const QRgb expected_fill[] = {kListingBackground, kListingForeground, kListingForeground,
                                kListingBackground, kListingBackground};
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(r.fills[c].rect, QRectF(c * 8, 0, 8, 8)) << c;
    EXPECT_EQ(r.fills[c].colour, expected_fill[c]) << c;
  }
  ASSERT_EQ(r.texts.size(), 3u);
  const unsigned char bytes[] = {'A', 0x12, 0xC1};
  const QRgb expected_ink[] = {kListingForeground, kListingBackground, kListingBackground};
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(r.texts[c].text, Glyph(bytes[c])) << c;
    EXPECT_EQ(r.texts[c].baseline.x(), c * 8) << c;
    EXPECT_EQ(r.texts[c].colour, expected_ink[c]) << c;
    EXPECT_EQ(r.texts[c].family, "Vexa-Dir-Upper") << c;
  }
}

TEST(ListingDelegateTest, FaceIsChosenAnewForEveryItemDrawn) {
  ListingFixture f;
  f.Add("AB");
  EXPECT_EQ(Record(f, 0, 2).texts.at(0).family, "Vexa-Dir-Upper");
  f.upper = false;
  const Recording lower = Record(f, 0, 2);
  ASSERT_EQ(lower.texts.size(), 2u);
  EXPECT_EQ(lower.texts[0].family, "Vexa-Dir-Lower");
  EXPECT_EQ(lower.texts[1].family, "Vexa-Dir-Lower");
  // Only the face changes: same cells, same colours.
  f.upper = true;
  const Recording upper = Record(f, 0, 2);
  for (int c = 0; c < 2; ++c) {
    EXPECT_EQ(upper.fills[c].colour, lower.fills[c].colour);
    EXPECT_EQ(upper.texts[c].text, lower.texts[c].text);
  }
}

TEST(ListingDelegateTest, ColumnsFromEightyOnAreDrawnInNormalColours) {
  ListingFixture f;
  f.Add(std::string(83, 'X'));
  SetBits(f.map, 0, 0, 79, true);
  const Recording r = Record(f, 0, 84);
  ASSERT_EQ(r.fills.size(), 84u);
  EXPECT_EQ(r.fills[79].colour, kListingForeground);
  for (int c = 80; c < 84; ++c) EXPECT_EQ(r.fills[c].colour, kListingBackground) << c;
  ASSERT_EQ(r.texts.size(), 83u);
  EXPECT_EQ(r.texts[82].colour, kListingForeground);
}

}  // namespace
}  // namespace quillane::test
