#pragma once

#include "SystemHeaders.h"

#include "FontSequence.h"

// The font sequence's calls on Windows: the installed faces from EnumFontFamiliesExA,
// AddFontResourceA and RemoveFontResourceA, one WM_FONTCHANGE broadcast per call, a message box
// over the main window, and the end of the program by WM_QUIT.
class GdiFontCalls final : public FontCalls {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  bool QuitRequested() const { return quit_requested_; }

  bool HasFace(std::string_view face) override;
  int AddFont(const std::string& path) override;
  void RemoveFont(const std::string& path) override;
  void BroadcastFontChange() override;
  void ShowMessage(std::string_view text) override;
  void RequestQuit() override;

 private:
  HWND owner_ = nullptr;
  bool quit_requested_ = false;
};

// The folder of the running executable, with its trailing "\", in UTF-8.
std::string ProgramFolder();
