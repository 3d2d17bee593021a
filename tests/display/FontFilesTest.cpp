// The two character-set font files as the listing uses them: every one of the 256 byte codes,
// drawn at 8 and 16 pixels, gives exactly the pixels of its screen character in the glyph
// source (reversed for the control bytes), filling one square cell; and the glyph sources hold
// the C64's own drawings.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <array>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "FontFiles.h"
#include "ScreenCode.h"

namespace quillane {
namespace {

using namespace quillane::display;

// One 8 x 8 screen character: row 0 on top, bit 7 the leftmost pixel.
using GlyphRows = std::array<std::uint8_t, 8>;
using GlyphSet = std::array<GlyphRows, 128>;

// Reads display/fonts/<name>.glyphs: a "0xNN label" header and eight rows of '#' and '.', or a
// header "0xNN label = SET 0xMM" that takes screen code 0xMM of SET.glyphs.
GlyphSet ReadGlyphs(const std::string& name) {
  std::ifstream in(std::string(QL_SOURCE_DIR) + "/display/fonts/" + name + ".glyphs");
  GlyphSet glyphs{};
  std::array<int, 128> rows{};
  int code = 0;
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string first, label, equals, set, other;
    words >> first >> label >> equals >> set >> other;
    if (first.rfind("0x", 0) == 0) {
      code = std::stoi(first, nullptr, 16);
      if (equals == "=") glyphs[code] = ReadGlyphs(set)[std::stoi(other, nullptr, 16)];
      rows[code] = equals == "=" ? 8 : 0;
    } else if (first.size() == 8 && first.find_first_not_of("#.") == std::string::npos) {
      for (char c : first) glyphs[code][rows[code]] = (glyphs[code][rows[code]] << 1) | (c == '#');
      ++rows[code];
    }
  }
  for (int c = 0; c < 128; ++c) EXPECT_EQ(rows[c], 8) << name << ": screen code " << c;
  return glyphs;
}

// How many pixels of byte `b`, drawn black on white in a cell of side `size`, differ from the
// screen character.
int WrongPixels(const QFont& font, int size, int b, const GlyphRows& rows, bool reversed) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.drawText(QPoint(0, QFontMetrics(font).ascent()),
                   QString(FontCharOfByte(std::uint8_t(b))));
  painter.end();
  int wrong = 0;
  for (int i = 0; i < size * size; ++i) {
    const int x = i % size, y = i / size;
    wrong += (qGray(image.pixel(x, y)) < 128) !=
             (((rows[y * 8 / size] >> (7 - x * 8 / size)) & 1) != reversed);
  }
  return wrong;
}

TEST(FontFilesTest, EachFileHoldsItsFaceAndDrawsEveryByteCodeAsItsScreenCharacter) {
  // clang-format off
  const struct { Charset charset; const char* glyphs; QString family; } faces[] = {
      {Charset::UpperGraphics, "upper", "Vexa-Dir-Upper"}, {Charset::UpperLower, "lower", "Vexa-Dir-Lower"}};
  // clang-format on
  for (const auto& face : faces) {
    const int id = QFontDatabase::addApplicationFont(FontFilePath(QL_BIN_DIR, face.charset));
    ASSERT_EQ(QFontDatabase::applicationFontFamilies(id), QStringList{face.family});
    for (int size : {8, 16}) {
      const QFont font = CharsetCellFont(face.charset, size);
      ASSERT_EQ(QFontInfo(font).family(), face.family);
      EXPECT_EQ(QFontMetrics(font).ascent(), size);
      const GlyphSet glyphs = ReadGlyphs(face.glyphs);
      for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(QFontMetrics(font).horizontalAdvance(FontCharOfByte(std::uint8_t(b))), size);
        const ScreenCell cell = kScreenCellOfByte[b];
        EXPECT_EQ(WrongPixels(font, size, b, glyphs[cell.code], cell.reversed), 0)
            << face.glyphs << " byte 0x" << std::hex << b << " at " << std::dec << size << " px";
      }
    }
    QFontDatabase::removeApplicationFont(id);
  }
}

// Drawings held against the C64 character ROM, one byte per row from the top.
TEST(FontFilesTest, GlyphsAreTheC64s) {
  // A, left arrow, club, pi, f, checks, check mark, a capital A
  // clang-format off
  const struct { const char* set; int code; GlyphRows rows; } glyphs[] = {
      {"upper", 0x01, {0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00}}, {"lower", 0x1F, {0x00, 0x10, 0x30, 0x7F, 0x7F, 0x30, 0x10, 0x00}},
      {"upper", 0x58, {0x18, 0x18, 0x66, 0x66, 0x18, 0x18, 0x3C, 0x00}}, {"upper", 0x5E, {0x00, 0x00, 0x03, 0x3E, 0x76, 0x36, 0x36, 0x00}},
      {"lower", 0x06, {0x00, 0x0E, 0x18, 0x3E, 0x18, 0x18, 0x18, 0x00}}, {"lower", 0x5F, {0x33, 0x99, 0xCC, 0x66, 0x33, 0x99, 0xCC, 0x66}},
      {"lower", 0x7A, {0x01, 0x03, 0x06, 0x6C, 0x78, 0x70, 0x60, 0x00}}, {"lower", 0x41, {0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00}}};
  // clang-format on
  const GlyphSet upper = ReadGlyphs("upper"), lower = ReadGlyphs("lower");
  for (const auto& g : glyphs)
    EXPECT_EQ((g.set[0] == 'u' ? upper : lower)[g.code], g.rows) << g.code;
}

}  // namespace
}  // namespace quillane
