// The two character-set font files as the listing uses them: loaded by Qt from the programs'
// folder, every one of the 256 byte codes drawn at 8 and 16 pixels without antialiasing or
// hinting must give exactly the pixels of its screen character in the glyph source (reversed
// for the control bytes), filling one square cell.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <map>
#include <ostream>
#include <string>

#include "FontFiles.h"
#include "GlyphSource.h"
#include "ScreenCode.h"

namespace quillane {
namespace {

using test::GlyphSet;
using test::ReadGlyphSource;

struct FaceCase {
  Charset charset;
  const char* source;  // glyph source in the repository
};

void PrintTo(const FaceCase& face, std::ostream* out) {
  *out << face.source;
}

constexpr FaceCase kFaces[] = {
    {Charset::UpperGraphics, "display/fonts/upper.glyphs"},
    {Charset::UpperLower, "display/fonts/lower.glyphs"},
};

GlyphSet LoadGlyphs(const char* source) {
  std::string error;
  const std::optional<GlyphSet> glyphs =
      ReadGlyphSource(std::string(QL_SOURCE_DIR) + "/" + source, &error);
  EXPECT_TRUE(glyphs.has_value()) << error;
  return glyphs.value_or(GlyphSet{});
}

// Registers the built font file once per run and gives the families Qt found in it.
QStringList LoadFontFile(Charset charset) {
  static std::map<Charset, QStringList> loaded;
  auto found = loaded.find(charset);
  if (found == loaded.end()) {
    const int id = QFontDatabase::addApplicationFont(FontFilePath(QL_BIN_DIR, charset));
    found = loaded.emplace(charset, QFontDatabase::applicationFontFamilies(id)).first;
  }
  return found->second;
}

// Draws `b` black on white in a cell of side `size`, top-left at the cell's corner.
QImage DrawCell(const QFont& font, int size, std::uint8_t b) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QPoint(0, QFontMetrics(font).ascent()), QString(GlyphOfByte(b)));
  return image;
}

// The differences between the drawn cell and the expected screen character, as a picture of
// the cell ('#' set, '.' clear, 'X' set but should be clear, 'o' clear but should be set), or
// empty when they agree.
std::string CompareCell(const QImage& image, const test::GlyphRows& rows, bool reversed, int size) {
  const int scale = size / 8;
  std::string picture;
  bool differs = false;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const bool expected = (((rows[y / scale] >> (7 - x / scale)) & 1) != 0) != reversed;
      const bool drawn = qGray(image.pixel(x, y)) < 128;
      differs = differs || drawn != expected;
      picture += drawn == expected ? (drawn ? '#' : '.') : (drawn ? 'X' : 'o');
    }
    picture += '\n';
  }
  return differs ? picture : std::string();
}

class FontFilesTest : public testing::TestWithParam<FaceCase> {};

TEST_P(FontFilesTest, FileProvidesTheFaceAsFixedPitch) {
  const char* face = CharsetFontOf(GetParam().charset).face;
  const QStringList families = LoadFontFile(GetParam().charset);
  ASSERT_EQ(families, QStringList{QString::fromLatin1(face)})
      << FontFilePath(QL_BIN_DIR, GetParam().charset).toStdString();
  EXPECT_TRUE(QFontDatabase::isFixedPitch(QString::fromLatin1(face)));
  EXPECT_EQ(QFontInfo(CharsetCellFont(GetParam().charset, 8)).family(), QString::fromLatin1(face));
}

TEST_P(FontFilesTest, EveryByteCodeHasAGlyphFillingOneSquareCell) {
  ASSERT_FALSE(LoadFontFile(GetParam().charset).isEmpty());
  for (int size : {8, 16}) {
    const QFont font = CharsetCellFont(GetParam().charset, size);
    const QFontMetrics metrics(font);
    EXPECT_EQ(metrics.ascent(), size);
    EXPECT_EQ(metrics.descent(), 0);
    const QRawFont raw = QRawFont::fromFont(font);
    for (int b = 0; b < 256; ++b) {
      EXPECT_TRUE(raw.supportsCharacter(GlyphOfByte(static_cast<std::uint8_t>(b)))) << "byte " << b;
      EXPECT_EQ(metrics.horizontalAdvance(GlyphOfByte(static_cast<std::uint8_t>(b))), size)
          << "byte " << b << " at " << size << " px";
    }
  }
}

TEST_P(FontFilesTest, EveryByteCodeDrawsItsScreenCharacterPixelForPixel) {
  ASSERT_FALSE(LoadFontFile(GetParam().charset).isEmpty());
  const GlyphSet glyphs = LoadGlyphs(GetParam().source);
  for (int size : {8, 16}) {
    const QFont font = CharsetCellFont(GetParam().charset, size);
    for (int b = 0; b < 256; ++b) {
      const ScreenCell cell = kScreenCellOfByte[b];
      const QImage image = DrawCell(font, size, static_cast<std::uint8_t>(b));
      const std::string differences = CompareCell(image, glyphs[cell.code], cell.reversed, size);
      EXPECT_EQ(differences, "") << "byte 0x" << std::hex << b << " at " << std::dec << size
                                 << " px (X: extra pixel, o: missing pixel)";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Faces, FontFilesTest, testing::ValuesIn(kFaces),
                         [](const testing::TestParamInfo<FaceCase>& info) {
                           return info.param.charset == Charset::UpperGraphics ? "Upper" : "Lower";
                         });

// The lower-case set shares the digits, punctuation and most graphics with the upper-case set
// and has its capitals where the upper-case set has graphics.
TEST(GlyphSourceTest, LowerCaseSetSharesWithTheUpperCaseSetWhereTheC64Does) {
  const GlyphSet upper = LoadGlyphs(kFaces[0].source);
  const GlyphSet lower = LoadGlyphs(kFaces[1].source);
  EXPECT_EQ(upper[0x20], test::GlyphRows{});  // blank
  for (int code : {0x00, 0x20, 0x30, 0x3F, 0x40, 0x5B, 0x66, 0x7F}) {
    EXPECT_EQ(lower[code], upper[code]) << "screen code " << code;
  }
  for (int letter = 0x01; letter <= 0x1A; ++letter) {
    EXPECT_EQ(lower[letter + 0x40], upper[letter]) << "capital at screen code " << letter + 0x40;
    EXPECT_NE(lower[letter], upper[letter]) << "small letter at screen code " << letter;
  }
  EXPECT_NE(lower[0x5E], upper[0x5E]);  // pi has no place in the lower-case set
}

}  // namespace
}  // namespace quillane
