#pragma once

#include <string>
#include <string_view>

#include "CharsetFontFiles.h"

// What the character-set fonts need from the system, in UTF-8: which faces are installed,
// registering and unregistering a font file, telling the windows that the fonts changed, a
// message box and the end of the program. Each window's platform provides it; tests record it.
class FontCalls {
 public:
  virtual ~FontCalls() = default;
  // Whether a face of that name is installed, without regard to letter case.
  virtual bool HasFace(std::string_view face) = 0;
  // Registers the font file at path; the number of fonts added, 0 on failure.
  virtual int AddFont(const std::string& path) = 0;
  virtual void RemoveFont(const std::string& path) = 0;
  virtual void BroadcastFontChange() = 0;
  // Modal: the program's title as caption, the text, one OK button, no icon.
  virtual void ShowMessage(std::string_view text) = 0;
  // Asks the program to end once its start-up has run.
  virtual void RequestQuit() = 0;
};

// Makes sure both character-set faces can be used while the program runs, and takes back at
// close what this run registered. A face that was installed before the program started is
// never touched.
class FontSequence {
 public:
  explicit FontSequence(FontCalls& calls) : calls_(calls) {}

  // Start-up, with the full paths of both files (beside the executable): registers the file of
  // each missing face. When a registration fails, tells the user and asks the program to end;
  // otherwise, when a file was registered, tells the windows once that the fonts changed.
  void Install(const std::string& lower_path, const std::string& upper_path);

  // Close: unregisters each file that Install registered, telling the windows after each one.
  // Runs at most once.
  void Remove();

  FontState LowerState() const { return lower_state_; }
  FontState UpperState() const { return upper_state_; }
  bool Failed() const { return lower_state_ == FontFailed || upper_state_ == FontFailed; }

 private:
  FontState MakeAvailable(const char* face, const std::string& path);

  FontCalls& calls_;
  std::string lower_path_;
  std::string upper_path_;
  FontState lower_state_ = FontNotInstalled;
  FontState upper_state_ = FontNotInstalled;
  bool removed_ = false;
};
