#pragma once

#include "SystemHeaders.h"

#include "MainWindowLayout.h"

// The windows are designed in pixels at 96 dots per inch; the program is DPI-aware, so the
// system hands over real pixels and every designed size grows with the resolution.
int ScreenDotsPerInch();

inline int Scaled(int pixels, int dots_per_inch) {
  return MulDiv(pixels, dots_per_inch, 96);
}

// Places control `id` of `window` at a designed place, offset by the band it stands in.
void PlaceControl(HWND window, int id, ControlPlace place, int band_y, int dots_per_inch);

// Centres a top-level window on the screen's work area.
void CentreOnScreen(HWND window);

// The outer size that gives `window` a client area of width x height.
SIZE OuterSizeForClient(HWND window, int width, int height);
