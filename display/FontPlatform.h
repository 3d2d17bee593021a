#pragma once

#include <QString>
#include <QStringList>

namespace quillane::display {

// What the character-set fonts need from the system: which faces are installed, registering
// and unregistering a font file, telling the windows that the fonts changed, a message box and
// the end of the program. The desktop program uses QtFontPlatform; tests use a recording fake.
class FontPlatform {
 public:
  virtual ~FontPlatform() = default;

  // The face names the display can use, as known when asked. Callers look names up without
  // regard to letter case (HasFace below).
  virtual QStringList InstalledFaces() const = 0;

  // Registers the font file at path for this program; returns the number of fonts added,
  // 0 when the file is missing, unreadable or not a font.
  virtual int AddFont(const QString& path) = 0;

  // Unregisters a file registered with AddFont under the same path. Failures are not reported.
  virtual void RemoveFont(const QString& path) = 0;

  // Tells the windows that the set of fonts changed; returns when they have handled it.
  virtual void BroadcastFontChange() = 0;

  // Modal message box: the program's title as caption, the text, one OK button, no icon.
  // Returns when the user has closed it.
  virtual void ShowMessage(const QString& text) = 0;

  // Asks the program to end. Returns at once; the program ends when its event loop runs,
  // also when the loop has not started yet.
  virtual void RequestQuit() = 0;

  bool HasFace(const QString& face) const {
    return InstalledFaces().contains(face, Qt::CaseInsensitive);
  }
};

}  // namespace quillane::display
