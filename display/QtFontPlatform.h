#pragma once

#include <QHash>

#include "FontPlatform.h"

namespace quillane::display {

// The font platform on Qt. Qt has no system-wide font registration that a program may use,
// so the files are loaded as application fonts: private to this program, gone when it ends.
class QtFontPlatform : public FontPlatform {
 public:
  QStringList InstalledFaces() const override;
  int AddFont(const QString& path) override;
  void RemoveFont(const QString& path) override;
  void BroadcastFontChange() override;
  void ShowMessage(const QString& text) override;
  void RequestQuit() override;

 private:
  QHash<QString, int> font_ids_;  // application-font id of each registered path
};

}  // namespace quillane::display
