#include "FontFiles.h"

#include <QDir>

namespace quillane {

const CharsetFont& CharsetFontOf(Charset charset) {
  for (const CharsetFont& font : kCharsetFonts) {
    if (font.charset == charset) return font;
  }
  return kCharsetFonts[0];
}

QString FontFilePath(const QString& programDir, Charset charset) {
  return QDir(programDir).filePath(QString::fromLatin1(CharsetFontOf(charset).file));
}

}  // namespace quillane
