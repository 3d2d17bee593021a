#include "GdiFontCalls.h"

#include "ApplicationTitle.h"
#include "Utf8.h"

namespace {

bool SameFaceName(const char* a, std::string_view b) {
  std::size_t i = 0;
  for (; a[i] != '\0' && i < b.size(); ++i) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
    if (upper(a[i]) != upper(b[i])) return false;
  }
  return a[i] == '\0' && i == b.size();
}

struct FaceSearch {
  std::string_view face;
  bool found = false;
};

int CALLBACK OnFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM search_address) {
  auto* search = reinterpret_cast<FaceSearch*>(search_address);
  if (SameFaceName(font->lfFaceName, search->face)) {
    search->found = true;
    return 0;  // enough
  }
  return 1;
}

// The path in the system's ANSI code page, as the "A" calls take it; empty when a character
// has no place in that code page (the file could then not be named to them).
std::string AnsiPath(const std::string& utf8) {
  const std::wstring wide = WideOfUtf8(utf8);
  BOOL lossy = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, &lossy);
  if (n <= 0 || lossy) return {};
  std::string ansi(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), n, nullptr, nullptr);
  ansi.resize(static_cast<std::size_t>(n - 1));
  return ansi;
}

}  // namespace

bool GdiFontCalls::HasFace(std::string_view face) {
  // Every installed family once: an empty face name and the default character set.
  LOGFONTA all{};
  all.lfCharSet = DEFAULT_CHARSET;
  FaceSearch search{face};
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExA(screen, &all, OnFace, reinterpret_cast<LPARAM>(&search), 0);
  ReleaseDC(nullptr, screen);
  return search.found;
}

int GdiFontCalls::AddFont(const std::string& path) {
  const std::string ansi = AnsiPath(path);
  return ansi.empty() ? 0 : AddFontResourceA(ansi.c_str());
}

void GdiFontCalls::RemoveFont(const std::string& path) {
  const std::string ansi = AnsiPath(path);
  if (!ansi.empty()) RemoveFontResourceA(ansi.c_str());
}

void GdiFontCalls::BroadcastFontChange() {
  SendMessageA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0);
}

void GdiFontCalls::ShowMessage(std::string_view text) {
  ::MessageBoxW(owner_, WideOfUtf8(text).c_str(), WideOfUtf8(ApplicationTitle).c_str(), MB_OK);
}

void GdiFontCalls::RequestQuit() {
  quit_requested_ = true;
}

std::string ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return Utf8OfWide(path.substr(0, path.find_last_of(L"\\/") + 1));
}
