#include "FontSequence.h"

FontState FontSequence::MakeAvailable(const char* face, const std::string& path) {
  if (calls_.HasFace(face)) return FontPresent;
  return calls_.AddFont(path) != 0 ? FontAdded : FontFailed;
}

void FontSequence::Install(const std::string& lower_path, const std::string& upper_path) {
  lower_path_ = lower_path;
  upper_path_ = upper_path;
  lower_state_ = MakeAvailable(FontLowerName, lower_path_);
  upper_state_ = MakeAvailable(FontUpperName, upper_path_);

  if (Failed()) {
    // The program does not go on with one face only. Whatever was registered stays so until
    // the program ends.
    calls_.ShowMessage(kFontFailureMessage);
    calls_.RequestQuit();
    return;
  }
  if (lower_state_ == FontAdded || upper_state_ == FontAdded) calls_.BroadcastFontChange();
}

void FontSequence::Remove() {
  if (removed_) return;
  removed_ = true;
  if (lower_state_ == FontAdded) {
    calls_.RemoveFont(lower_path_);
    calls_.BroadcastFontChange();
  }
  if (upper_state_ == FontAdded) {
    calls_.RemoveFont(upper_path_);
    calls_.BroadcastFontChange();
  }
}
