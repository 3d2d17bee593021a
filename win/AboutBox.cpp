#include "AboutBox.h"

#include "AboutTexts.h"
#include "ControlIds.h"
#include "DesignScale.h"
#include "Utf8.h"

TfAbout::TfAbout(HWND owner) : owner_(owner) {}

TfAbout::~TfAbout() {
  if (window_ != nullptr) EndDialog(window_, IDOK);
  if (display_font_ != nullptr) DeleteObject(display_font_);
}

void TfAbout::Build() {
  const int dpi = ScreenDotsPerInch();
  SetWindowTextW(window_, WideOfUtf8(kAboutCaption).c_str());
  PlaceControl(window_, IDC_ABOUT_PANEL1, kAboutPanel, 0, dpi);
  const ControlPlace picture{kAboutPanel.x + kAboutPicture.x, kAboutPanel.y + kAboutPicture.y,
                             kAboutPicture.width, kAboutPicture.height};
  PlaceControl(window_, IDC_ABOUT_PROGRAMICON, picture, 0, dpi);
  PlaceControl(window_, IDOK, kAboutOkButton, 0, dpi);
  SetDlgItemTextW(window_, IDOK, WideOfUtf8(kAboutOkCaption).c_str());

  // The name and the edition label in a display face 19 pixels high.
  if (display_font_ == nullptr)
    display_font_ =
        CreateFontW(-Scaled(kAboutDisplayFontPixels, dpi), 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE,
                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    VARIABLE_PITCH | FF_ROMAN, L"Times New Roman");
  const struct {
    int id;
    const AboutText& text;
    bool display_face;
  } texts[] = {
      {IDC_ABOUT_PRODUCTNAME, kAboutProductName, true}, {IDC_ABOUT_LABEL4, kAboutEdition, true},
      {IDC_ABOUT_MAKERLINE, kAboutMaker, false},        {IDC_ABOUT_LABEL1, kAboutBuild, false},
      {IDC_ABOUT_COMMENTS, kAboutMailCaption, false},   {IDC_ABOUT_EDIT1, kAboutMail, false},
      {IDC_ABOUT_LABEL2, kAboutHomeCaption, false},     {IDC_ABOUT_EDIT2, kAboutHome, false}};
  for (const auto& t : texts) {
    HWND control = GetDlgItem(window_, t.id);
    if (t.display_face)
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(display_font_), FALSE);
    const std::wstring text = WideOfUtf8(t.text.text);
    SetWindowTextW(control, text.c_str());
    ControlPlace place{kAboutPanel.x + t.text.place.x, kAboutPanel.y + t.text.place.y,
                       t.text.place.width, t.text.place.height};
    if (place.width == 0) {
      // A label takes the size of its text in the face that draws it.
      HDC dc = GetDC(control);
      HGDIOBJ old =
          SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
      SIZE size{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
      SelectObject(dc, old);
      ReleaseDC(control, dc);
      MoveWindow(control, Scaled(place.x, dpi), Scaled(place.y, dpi), size.cx, size.cy, FALSE);
    } else {
      PlaceControl(window_, t.id, place, 0, dpi);
    }
  }
  const SIZE outer =
      OuterSizeForClient(window_, Scaled(kAboutClientWidth, dpi), Scaled(kAboutClientHeight, dpi));
  SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER);
  CentreOnScreen(window_);
  SendDlgItemMessageW(window_, IDC_ABOUT_EDIT1, EM_SETSEL, 0, 0);
  SendDlgItemMessageW(window_, IDC_ABOUT_EDIT2, EM_SETSEL, 0, 0);
  SetFocus(GetDlgItem(window_, IDOK));
}

// Modal over the main window, which takes no input meanwhile.
int TfAbout::ShowModal() {
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), owner_, DialogProc,
                  reinterpret_cast<LPARAM>(this));
  window_ = nullptr;
  return IDOK;
}

INT_PTR CALLBACK TfAbout::DialogProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<TfAbout*>(l);
    SetWindowLongPtrW(window, DWLP_USER, l);
    self->window_ = window;
    self->Build();
    return FALSE;
  }
  auto* self = reinterpret_cast<TfAbout*>(GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) return FALSE;
  if (message == WM_CLOSE ||
      (message == WM_COMMAND && (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL))) {
    EndDialog(window, IDOK);
    return TRUE;
  }
  return FALSE;
}
