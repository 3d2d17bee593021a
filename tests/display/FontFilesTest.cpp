// The two character-set font files as the listing uses them: loaded by Qt from the programs'
// folder, every one of the 256 byte codes drawn at 8 and 16 pixels without antialiasing or
// hinting must give exactly the pixels of its screen character in the glyph source (reversed
// for the control bytes), filling one square cell.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <array>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "FontFiles.h"
#include "ScreenCode.h"

namespace quillane {
namespace {

// One 8 x 8 screen character per screen code: row 0 on top, bit 7 the leftmost pixel.
using GlyphRows = std::array<std::uint8_t, 8>;
using GlyphSet = std::array<GlyphRows, 128>;

// Reads display/fonts/<name>.glyphs: blocks of a "0xNN label" header and eight rows of '#' and
// '.'; a header "0xNN label = SET 0xMM" takes screen code 0xMM of SET.glyphs. Every code must
// be drawn with eight rows of eight pixels.
const GlyphSet& ReadGlyphs(const std::string& name) {
  static std::map<std::string, GlyphSet> read;
  if (const auto found = read.find(name); found != read.end()) return found->second;
  const std::string path = std::string(QL_SOURCE_DIR) + "/display/fonts/" + name + ".glyphs";
  std::ifstream in(path);
  EXPECT_TRUE(in.good()) << path;
  GlyphSet glyphs{};
  std::array<int, 128> rows{};  // rows drawn per screen code
  int code = -1;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string first, label, equals, set, other;
    words >> first >> label >> equals >> set >> other;
    if (first.empty() || first[0] == ';') continue;
    if (first.rfind("0x", 0) == 0) {
      code = std::stoi(first, nullptr, 16) & 0x7F;
      if (equals == "=") {
        glyphs[code] = ReadGlyphs(set)[std::stoi(other, nullptr, 16) & 0x7F];
        rows[code] += 8;
      }
      continue;
    }
    if (code < 0 || rows[code] >= 8 || first.size() != 8 ||
        first.find_first_not_of("#.") != std::string::npos) {
      ADD_FAILURE() << path << ": stray line '" << line << "'";
      continue;
    }
    for (char c : first) glyphs[code][rows[code]] = (glyphs[code][rows[code]] << 1) | (c == '#');
    ++rows[code];
  }
  for (int c = 0; c < 128; ++c) EXPECT_EQ(rows[c], 8) << path << ": screen code " << c;
  return read.emplace(name, glyphs).first->second;
}

// The differences between byte `b` drawn black on white in a cell of side `size` and the
// screen character, as a picture of the cell ('#' set, '.' clear, 'X' set but should be clear,
// 'o' clear but should be set), or empty when they agree.
std::string CompareCell(const QFont& font, int size, int b, const GlyphRows& rows, bool reversed) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.drawText(QPoint(0, QFontMetrics(font).ascent()),
                   QString(GlyphOfByte(static_cast<std::uint8_t>(b))));
  painter.end();
  std::string picture;
  bool differs = false;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const bool expected = ((rows[y * 8 / size] >> (7 - x * 8 / size)) & 1) != reversed;
      const bool drawn = qGray(image.pixel(x, y)) < 128;
      differs = differs || drawn != expected;
      picture += drawn == expected ? (drawn ? '#' : '.') : (drawn ? 'X' : 'o');
    }
    picture += '\n';
  }
  return differs ? picture : std::string();
}

struct Face {
  Charset charset;
  const char* glyphs;
  QString family;
};

TEST(FontFilesTest, EachFileHoldsItsFaceAndDrawsEveryByteCodeAsItsScreenCharacter) {
  const Face faces[] = {{Charset::UpperGraphics, "upper", "Vexa-Dir-Upper"},
                        {Charset::UpperLower, "lower", "Vexa-Dir-Lower"}};
  for (const Face& face : faces) {
    SCOPED_TRACE(face.family.toStdString());
    const QString path = FontFilePath(QL_BIN_DIR, face.charset);
    const int id = QFontDatabase::addApplicationFont(path);
    ASSERT_EQ(QFontDatabase::applicationFontFamilies(id), QStringList{face.family})
        << path.toStdString();
    EXPECT_TRUE(QFontDatabase::isFixedPitch(face.family));
    const GlyphSet& glyphs = ReadGlyphs(face.glyphs);
    for (int size : {8, 16}) {
      const QFont font = CharsetCellFont(face.charset, size);
      ASSERT_EQ(QFontInfo(font).family(), face.family);
      const QFontMetrics metrics(font);
      EXPECT_EQ(metrics.ascent(), size);
      EXPECT_EQ(metrics.descent(), 0);
      const QRawFont raw = QRawFont::fromFont(font);
      for (int b = 0; b < 256; ++b) {
        const QChar glyph = GlyphOfByte(static_cast<std::uint8_t>(b));
        EXPECT_TRUE(raw.supportsCharacter(glyph)) << "byte " << b;
        EXPECT_EQ(metrics.horizontalAdvance(glyph), size) << "byte " << b << " at " << size;
        const ScreenCell cell = kScreenCellOfByte[b];
        EXPECT_EQ(CompareCell(font, size, b, glyphs[cell.code], cell.reversed), "")
            << "byte 0x" << std::hex << b << " at " << std::dec << size
            << " px (X: extra pixel, o: missing pixel)";
      }
    }
    QFontDatabase::removeApplicationFont(id);
  }
}

// The lower-case set shares the digits, punctuation and most graphics with the upper-case set
// and has its capitals where the upper-case set has graphics.
TEST(FontFilesTest, LowerCaseSetSharesWithTheUpperCaseSetWhereTheC64Does) {
  const GlyphSet& upper = ReadGlyphs("upper");
  const GlyphSet& lower = ReadGlyphs("lower");
  EXPECT_EQ(upper[0x20], GlyphRows{});  // blank
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
