#pragma once

#include <QString>

#include "CharsetFontFiles.h"
#include "FontPlatform.h"
#include "FontSequence.h"

namespace quillane::display {

// Makes sure both character-set faces can be used while the program runs, and takes back at
// close what this run registered: the shared font sequence over the Qt platform.
class CharsetFonts {
 public:
  explicit CharsetFonts(FontPlatform& platform) : calls_(platform), sequence_(calls_) {}

  // Start-up: registers the file of each missing face from the program's folder (the folder of
  // the executable, not the current folder). When a registration fails, tells the user and
  // asks the program to end once the message is closed; otherwise, when a file was
  // registered, tells the windows once that the fonts changed.
  void Install(const QString& programFolder);

  // Close: unregisters each file that Install registered, telling the windows after each one.
  // Runs at most once.
  void Remove() { sequence_.Remove(); }

  FontState FontLowerState() const { return sequence_.LowerState(); }
  FontState FontUpperState() const { return sequence_.UpperState(); }
  bool Failed() const { return sequence_.Failed(); }

  // The text of the message box shown when a registration failed.
  static QString FailureMessage();

 private:
  // The sequence's calls in UTF-8, handed on to the platform.
  class PlatformCalls final : public FontCalls {
   public:
    explicit PlatformCalls(FontPlatform& platform) : platform_(platform) {}
    bool HasFace(std::string_view face) override;
    int AddFont(const std::string& path) override;
    void RemoveFont(const std::string& path) override;
    void BroadcastFontChange() override { platform_.BroadcastFontChange(); }
    void ShowMessage(std::string_view text) override;
    void RequestQuit() override { platform_.RequestQuit(); }

   private:
    FontPlatform& platform_;
  };

  PlatformCalls calls_;
  FontSequence sequence_;
};

}  // namespace quillane::display
