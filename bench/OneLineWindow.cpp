// one-line-window.exe: the floor for the Windows program's cold start, a bare Win32 window that
// draws one line of text in the listing's two colours, centred on the screen as the program's
// window is, so that bench/cold-start.py sees it the same way.
#include <windows.h>

namespace {

constexpr COLORREF kBackground = RGB(55, 57, 196);
constexpr COLORREF kForeground = RGB(112, 124, 230);

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    SetBkColor(dc, kBackground);
    SetTextColor(dc, kForeground);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    static constexpr wchar_t kLine[] = L"0 \"ONE LINE OF TEXT\" 00 2A";
    DrawTextW(dc, kLine, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW form{};
  form.lpfnWndProc = WindowProc;
  form.hInstance = instance;
  form.lpszClassName = L"OneLine";
  RegisterClassW(&form);
  constexpr int kWidth = 541, kHeight = 529;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  HWND window = CreateWindowW(L"OneLine", L"One line", WS_OVERLAPPEDWINDOW, x, y, kWidth, kHeight,
                              nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
