// desktop_probe.exe: looks at a running quillane-light.exe from outside, as a user would, in the
// same Wine and on the same X display. Its windows are found by class and caption, their
// controls read by ID; keys go in through SendInput, as typed.
//   desktop_probe.exe layout IMAGE   the layout question about IMAGE is up over the disabled main
//                                    window with the texts below; prints the places of the
//                                    question's window, its client area and its message line
//   desktop_probe.exe cancel         answers the question with its Cancel button
//   desktop_probe.exe about          Alt+Space, Up, Enter on the main window opens "Info"
//   desktop_probe.exe close          closes "Info" with Esc, then the main window
// Exit status 0 when everything was as expected, 1 otherwise (with a line on what was not).
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <initializer_list>
#include <string>

#include "ControlIds.h"

namespace {

constexpr wchar_t kLayoutCaption[] = L"Extended BAM could not be detected...";

// The first visible top-level window of the class and caption, waited for up to `tries` x 50 ms.
HWND WaitFor(const wchar_t* window_class, const wchar_t* caption, int tries = 200) {
  for (int i = 0; i < tries; ++i) {
    for (HWND window = FindWindowExW(nullptr, nullptr, window_class, caption); window != nullptr;
         window = FindWindowExW(nullptr, window, window_class, caption)) {
      if (IsWindowVisible(window)) return window;
    }
    Sleep(50);
  }
  return nullptr;
}

HWND MainWindow() {
  return WaitFor(L"TfMainForm", L"Quillane_Light");
}

int Fail(const char* what) {
  std::printf("%s\n", what);
  return 1;
}

std::wstring TextOf(HWND dialog, int id) {
  wchar_t text[256] = {};
  GetDlgItemTextW(dialog, id, text, 256);
  return text;
}

void Press(std::initializer_list<WORD> keys) {
  for (const bool up : {false, true}) {
    for (const WORD key : keys) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = key;
      input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      SendInput(1, &input, sizeof input);
      Sleep(30);
    }
  }
}

void PrintScreenRect(const char* name, RECT rect) {
  std::printf("%s %ld %ld %ld %ld\n", name, rect.left, rect.top, rect.right, rect.bottom);
}

int Layout(const wchar_t* image) {
  HWND main = MainWindow();
  HWND dialog = WaitFor(L"#32770", kLayoutCaption);
  if (main == nullptr || dialog == nullptr) return Fail("no layout question over a main window");
  if (GetWindow(dialog, GW_OWNER) != main || IsWindowEnabled(main))
    return Fail("the question is not modal over the main window");
  const struct {
    int id;
    const wchar_t* text;
    bool visible;
  } controls[] = {
      {IDC_PROMPT_EDIT1, image, true},
      {IDC_PROMPT_LABEL1, L"The Extended BAM could not be detected. Handle this Image as:", true},
      {IDC_PROMPT_RADIOBUTTON1, L"Original", true},
      {IDC_PROMPT_RADIOBUTTON2, L"SpeedDOS", true},
      {IDC_PROMPT_RADIOBUTTON3, L"DolphinDOS", true},
      {IDC_PROMPT_RADIOBUTTON4, L"PrologicDOS", true},
      {IDC_PROMPT_CHECKBOX1, L"Don't ask me again during this session", true},
      {IDC_PROMPT_BUTTON1, L"OK", true},
      {IDC_PROMPT_BUTTON2, L"", false},
      {IDC_PROMPT_BUTTON3, L"", false},
      {IDC_PROMPT_BUTTON4, L"Cancel", true},
  };
  int wrong = 0;
  for (const auto& c : controls) {
    const std::wstring text = TextOf(dialog, c.id);
    const bool visible = IsWindowVisible(GetDlgItem(dialog, c.id)) != FALSE;
    if ((c.visible && text != c.text) || visible != c.visible) {
      std::printf("control %d: \"%ls\"%s\n", c.id, text.c_str(), visible ? "" : " (hidden)");
      ++wrong;
    }
  }
  if (IsDlgButtonChecked(dialog, IDC_PROMPT_RADIOBUTTON1) != BST_CHECKED) {
    std::printf("\"Original\" is not checked\n");
    ++wrong;
  }
  RECT outer{}, client{}, label{};
  GetWindowRect(dialog, &outer);
  GetClientRect(dialog, &client);
  MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
  GetWindowRect(GetDlgItem(dialog, IDC_PROMPT_LABEL1), &label);
  PrintScreenRect("window", outer);
  PrintScreenRect("client", client);
  PrintScreenRect("label", label);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  std::printf("face %d %d %d\n", GetRValue(face), GetGValue(face), GetBValue(face));
  return wrong == 0 ? 0 : 1;
}

int Cancel() {
  HWND dialog = WaitFor(L"#32770", kLayoutCaption);
  if (dialog == nullptr) return Fail("no layout question");
  SendDlgItemMessageW(dialog, IDC_PROMPT_BUTTON4, BM_CLICK, 0, 0);
  for (int i = 0; i < 100 && IsWindowVisible(dialog); ++i) Sleep(50);
  return IsWindowVisible(dialog) ? Fail("the question stays after Cancel") : 0;
}

int About() {
  HWND main = MainWindow();
  if (main == nullptr) return Fail("no main window");
  // The keys reach the active window: until the program is ready for them, Alt+Space again.
  HWND menu = nullptr;
  for (int attempt = 0; attempt < 5 && menu == nullptr; ++attempt) {
    SetForegroundWindow(main);
    for (int i = 0; i < 40 && GetForegroundWindow() != main; ++i) Sleep(50);
    Press({VK_MENU, VK_SPACE});
    menu = WaitFor(L"#32768", nullptr, 40);
  }
  if (menu == nullptr) return Fail("Alt+Space opened no menu");
  Press({VK_UP});  // from the top to the last entry, past the separator
  Press({VK_RETURN});
  HWND info = WaitFor(L"#32770", L"Info");
  if (info == nullptr) return Fail("the menu's last entry did not open \"Info\"");
  if (GetWindow(info, GW_OWNER) != main || TextOf(info, IDOK) != L"OK")
    return Fail("\"Info\" is not the About box of the main window");
  return 0;
}

int Close() {
  HWND main = MainWindow();
  HWND info = FindWindowW(L"#32770", L"Info");
  if (info != nullptr) {
    SetForegroundWindow(info);
    Press({VK_ESCAPE});
    for (int i = 0; i < 100 && IsWindow(info) && IsWindowVisible(info); ++i) Sleep(50);
    if (IsWindow(info) && IsWindowVisible(info)) return Fail("Esc did not close \"Info\"");
  }
  if (main != nullptr) PostMessageW(main, WM_CLOSE, 0, 0);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  setvbuf(stdout, nullptr, _IONBF, 0);
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"layout" && argc > 2) return Layout(argv[2]);
  if (command == L"cancel") return Cancel();
  if (command == L"about") return About();
  if (command == L"close") return Close();
  return Fail("usage: desktop_probe.exe layout IMAGE | cancel | about | close");
}
