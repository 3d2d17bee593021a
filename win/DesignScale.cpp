#include "DesignScale.h"

int ScreenDotsPerInch() {
  HDC screen = GetDC(nullptr);
  const int dots_per_inch = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dots_per_inch;
}

void PlaceControl(HWND window, int id, ControlPlace place, int band_y, int dots_per_inch) {
  HWND control = GetDlgItem(window, id);
  RECT now{};
  GetWindowRect(control, &now);
  const int height = place.height > 0 ? Scaled(place.height, dots_per_inch) : now.bottom - now.top;
  const int width = place.width > 0 ? Scaled(place.width, dots_per_inch) : now.right - now.left;
  MoveWindow(control, Scaled(place.x, dots_per_inch), Scaled(band_y + place.y, dots_per_inch),
             width, height, FALSE);
}

void CentreOnScreen(HWND window) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT outer{};
  GetWindowRect(window, &outer);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  SetWindowPos(window, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE OuterSizeForClient(HWND window, int width, int height) {
  RECT rect{0, 0, width, height};
  AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
  return {rect.right - rect.left, rect.bottom - rect.top};
}
