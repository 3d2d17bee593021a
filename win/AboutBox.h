#pragma once

#include "SystemHeaders.h"

// The "Info" box: the program's name and edition, build date, picture, maker and addresses,
// the same texts as on every platform, built from its dialog template at each showing; OKButton is
// the default (Enter) and the Esc button and has the focus whenever the box opens; the close box
// closes it too. Every showing is centred on the screen.
class TfAbout {
 public:
  explicit TfAbout(HWND owner);
  ~TfAbout();
  TfAbout(const TfAbout&) = delete;
  TfAbout& operator=(const TfAbout&) = delete;

  HWND Handle() const { return window_; }  // while shown; nullptr otherwise
  // Blocks until the box is closed; the result is 1 (OKButton, Enter, Esc, the close box).
  int ShowModal();

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM w, LPARAM l);
  void Build();

  HWND owner_;
  HWND window_ = nullptr;
  HFONT display_font_ = nullptr;
};
