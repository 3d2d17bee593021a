#include "CharsetFonts.h"

#include "FontFiles.h"

namespace quillane::display {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString CharsetFonts::FailureMessage() {
  return FromUtf8(kFontFailureMessage);
}

bool CharsetFonts::PlatformCalls::HasFace(std::string_view face) {
  return platform_.HasFace(FromUtf8(face));
}

int CharsetFonts::PlatformCalls::AddFont(const std::string& path) {
  return platform_.AddFont(QString::fromStdString(path));
}

void CharsetFonts::PlatformCalls::RemoveFont(const std::string& path) {
  platform_.RemoveFont(QString::fromStdString(path));
}

void CharsetFonts::PlatformCalls::ShowMessage(std::string_view text) {
  platform_.ShowMessage(FromUtf8(text));
}

void CharsetFonts::Install(const QString& programFolder) {
  sequence_.Install(FontFilePath(programFolder, quillane::Charset::UpperLower).toStdString(),
                    FontFilePath(programFolder, quillane::Charset::UpperGraphics).toStdString());
}

}  // namespace quillane::display
