#include "FontFiles.h"

#include <QDir>

namespace quillane::display {

QString FontFilePath(const QString& programDir, Charset charset) {
  return QDir(programDir).filePath(QString::fromLatin1(CharsetFontOf(charset).file));
}

QFont CharsetCellFont(Charset charset, int cellSize) {
  QFont font(QString::fromLatin1(CharsetFontOf(charset).face));
  font.setPixelSize(cellSize);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace quillane::display
