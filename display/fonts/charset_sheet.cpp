// Contact sheets of the two character-set fonts: all 256 byte codes of each face as a 16 x 16
// table of 16-pixel cells in the listing's colours, the high hex digit of the code down the
// left and the low digit across the top, written as PNG files for a person to look at.
//
// Usage: charset_sheet <folder with the font files> <output folder>
// Writes charset-upper.png and charset-lower.png into the output folder.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "FontFiles.h"
#include "ListingColours.h"
#include "OffscreenPlatform.h"

namespace {

constexpr int kCell = 16;
constexpr int kGap = 4;
constexpr int kMargin = 24;
const QColor kBackground = QColor::fromRgb(quillane::display::kListingBackground);
const QColor kForeground = QColor::fromRgb(quillane::display::kListingForeground);

struct Sheet {
  quillane::Charset charset;
  const char* pngFile;
};

constexpr Sheet kSheets[] = {
    {quillane::Charset::UpperGraphics, "charset-upper.png"},
    {quillane::Charset::UpperLower, "charset-lower.png"},
};

bool WriteSheet(const QString& fontDir, quillane::Charset charset, const QString& pngPath) {
  const QString fontPath = quillane::display::FontFilePath(fontDir, charset);
  if (QFontDatabase::addApplicationFont(fontPath) < 0) {
    std::fprintf(stderr, "charset_sheet: %s is not a usable font\n", qPrintable(fontPath));
    return false;
  }
  const QFont face = quillane::display::CharsetCellFont(charset, kCell);
  const int ascent = QFontMetrics(face).ascent();

  const int side = kMargin + 16 * (kCell + kGap);
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(QColor(24, 24, 24));
  QPainter painter(&image);
  QFont label;
  label.setPixelSize(11);
  painter.setFont(label);
  painter.setPen(Qt::white);
  for (int i = 0; i < 16; ++i) {
    const QString digit = QString::number(i, 16).toUpper();
    const int at = kMargin + i * (kCell + kGap);
    painter.drawText(QRect(at, 0, kCell, kMargin), Qt::AlignCenter, digit);
    painter.drawText(QRect(0, at, kMargin, kCell), Qt::AlignCenter, digit + "x");
  }
  painter.setFont(face);
  painter.setPen(kForeground);
  for (int b = 0; b < 256; ++b) {
    const int x = kMargin + (b % 16) * (kCell + kGap);
    const int y = kMargin + (b / 16) * (kCell + kGap);
    painter.fillRect(x, y, kCell, kCell, kBackground);
    painter.drawText(QPoint(x, y + ascent),
                     QString(quillane::display::FontCharOfByte(static_cast<std::uint8_t>(b))));
  }
  painter.end();
  if (!image.save(pngPath)) {
    std::fprintf(stderr, "charset_sheet: cannot write %s\n", qPrintable(pngPath));
    return false;
  }
  std::printf("%s\n", qPrintable(pngPath));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  quillane::display::PreferOffscreenPlatform();
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: charset_sheet <font folder> <output folder>\n");
    return 2;
  }
  bool ok = true;
  for (const Sheet& sheet : kSheets) {
    ok = WriteSheet(argv[1], sheet.charset, QDir(argv[2]).filePath(sheet.pngFile)) && ok;
  }
  return ok ? 0 : 1;
}
