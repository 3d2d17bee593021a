// quillane-light.exe: the main window and the About box over the engine, then the message loop.
#include "SystemHeaders.h"

#include <string>
#include <vector>

#include "AboutBox.h"
#include "GdiFontCalls.h"
#include "ImageArgument.h"
#include "MainWindow.h"
#include "Utf8.h"

extern "C" int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  // The command line split by the window's rule (blanks separate, double quotes group), in UTF-8.
  std::vector<std::string> arguments = SplitCommandLine(Utf8OfWide(GetCommandLineW()));

  GdiFontCalls font_calls;
  TfMainForm form(font_calls, ProgramFolder(), std::move(arguments));
  font_calls.SetOwner(form.Handle());
  TfAbout about(form.Handle());
  form.SetAbout(&about);
  // A font that could not be registered ends the program once start-up has run.
  if (font_calls.QuitRequested()) return 1;

  ShowWindow(form.Handle(), show);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
