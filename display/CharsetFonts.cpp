#include "CharsetFonts.h"

QString CharsetFonts::FailureMessage() {
  return QStringLiteral(
      "Installation of Fonts failed...Please make sure that the File 'Vexa-Lower.fon' and the "
      "File 'Vexa-Upper.fon' are present in the Quillane_Light Directory or install these Files "
      "manually in Your Windows\\fonts Directory and start the Quillane_Light again!");
}

FontState CharsetFonts::MakeAvailable(const char* face, const QString& path) {
  if (platform_.HasFace(QString::fromLatin1(face))) return FontPresent;
  return platform_.AddFont(path) != 0 ? FontAdded : FontFailed;
}

void CharsetFonts::Install(const QString& programFolder) {
  lowerPath_ = quillane::FontFilePath(programFolder, quillane::Charset::UpperLower);
  upperPath_ = quillane::FontFilePath(programFolder, quillane::Charset::UpperGraphics);
  lowerState_ = MakeAvailable(FontLowerName, lowerPath_);
  upperState_ = MakeAvailable(FontUpperName, upperPath_);

  if (Failed()) {
    // The program does not go on with one face only. Whatever was registered stays so until
    // the program ends.
    platform_.ShowMessage(FailureMessage());
    platform_.RequestQuit();
    return;
  }
  if (lowerState_ == FontAdded || upperState_ == FontAdded) platform_.BroadcastFontChange();
}

void CharsetFonts::Remove() {
  if (removed_) return;
  removed_ = true;
  if (lowerState_ == FontAdded) {
    platform_.RemoveFont(lowerPath_);
    platform_.BroadcastFontChange();
  }
  if (upperState_ == FontAdded) {
    platform_.RemoveFont(upperPath_);
    platform_.BroadcastFontChange();
  }
}
