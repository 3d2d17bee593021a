// Quillane_Light: the directory of a Commodore 1541 disk image (.D64) as a C64 lists it.
#include <QApplication>
#include <QGuiApplication>

#include "ApplicationTitle.h"
#include "CommandLineImage.h"
#include "QtFontPlatform.h"
#include "uMainForm.h"

int main(int argc, char** argv) {
  // The listing's 8 x 8 glyphs must never be scaled by a fraction: screens scaled by 125% or
  // 150% get a whole-numbered device pixel ratio, and the window itself doubles the cells from
  // 120 dots per inch up.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  QApplication application(argc, argv);
  // The name only: a display name would be appended to every window's caption.
  QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));

  quillane::display::QtFontPlatform font_platform;
  quillane::app::TfMainForm fMainForm(font_platform, QCoreApplication::applicationDirPath());
  fMainForm.SetArguments(quillane::app::CommandLine(argv, argv + argc));
  fMainForm.show();
  return application.exec();
}
