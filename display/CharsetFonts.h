#pragma once

#include <QString>

#include "FontFiles.h"
#include "FontPlatform.h"

// The two faces that carry the Commodore 64 character sets.
inline constexpr const char* FontLowerName =
    quillane::CharsetFontOf(quillane::Charset::UpperLower).face;
inline constexpr const char* FontUpperName =
    quillane::CharsetFontOf(quillane::Charset::UpperGraphics).face;

// Outcome of making one face available at start-up.
enum FontState : int {
  FontNotInstalled = 0,  // Install has not run yet
  FontAdded = 1,         // the face was missing and this run registered its file
  FontPresent = 2,       // the face was already installed; its file was not touched
  FontFailed = -1,       // the face was missing and registering its file failed
};

// Makes sure both character-set faces can be used while the program runs, and takes back at
// close what this run registered. A face that was installed before the program started is
// never touched.
class CharsetFonts {
 public:
  explicit CharsetFonts(FontPlatform& platform) : platform_(platform) {}

  // Start-up: registers the file of each missing face from the program's folder (the folder of
  // the executable, not the current folder). When a registration fails, tells the user and
  // asks the program to end once the message is closed; otherwise, when a file was
  // registered, tells the windows once that the fonts changed.
  void Install(const QString& programFolder);

  // Close: unregisters each file that Install registered, telling the windows after each one.
  // Runs at most once.
  void Remove();

  const QString& FontLowerPath() const { return lowerPath_; }
  const QString& FontUpperPath() const { return upperPath_; }
  FontState FontLowerState() const { return lowerState_; }
  FontState FontUpperState() const { return upperState_; }
  bool Failed() const { return lowerState_ == FontFailed || upperState_ == FontFailed; }

  // The text of the message box shown when a registration failed.
  static QString FailureMessage();

 private:
  FontState MakeAvailable(const char* face, const QString& path);

  FontPlatform& platform_;
  QString lowerPath_;
  QString upperPath_;
  FontState lowerState_ = FontNotInstalled;
  FontState upperState_ = FontNotInstalled;
  bool removed_ = false;
};
