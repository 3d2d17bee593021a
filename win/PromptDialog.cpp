#include "PromptDialog.h"

#include "ControlIds.h"
#include "DesignScale.h"
#include "Utf8.h"

using quillane::Question;

namespace {

constexpr int kLayoutButtonIds[] = {IDC_PROMPT_RADIOBUTTON1, IDC_PROMPT_RADIOBUTTON2,
                                    IDC_PROMPT_RADIOBUTTON3, IDC_PROMPT_RADIOBUTTON4};

void SetText(HWND window, int id, const char* utf8) {
  SetDlgItemTextW(window, id, WideOfUtf8(utf8).c_str());
}

}  // namespace

TfFileDialog::TfFileDialog(HWND owner, Question kind) : owner_(owner), kind_(kind) {
  window_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PROMPT), owner,
                               DialogProc, reinterpret_cast<LPARAM>(this));
}

TfFileDialog::~TfFileDialog() {
  if (window_ != nullptr) DestroyWindow(window_);
}

// The designed form, then what the kind changes on it.
void TfFileDialog::Build() {
  const PromptKind& look = PromptKindOf(kind_);
  const int dpi = ScreenDotsPerInch();
  const int client_height = look.layout_buttons ? kLayoutPromptClientHeight : kPromptClientHeight;
  const int middle_y = kPromptTopBandHeight;
  const int bottom_y = client_height - kPromptBottomBandHeight;

  SetWindowTextW(window_, WideOfUtf8(look.caption).c_str());
  PlaceControl(window_, IDC_PROMPT_EDIT1, kPromptFileName, 0, dpi);
  PlaceControl(window_, IDC_PROMPT_LABEL1, kPromptMessage, middle_y, dpi);
  PlaceControl(window_, IDC_PROMPT_CHECKBOX1, kPromptDontAsk, bottom_y, dpi);
  PlaceControl(window_, IDC_PROMPT_BUTTON1, kPromptButton1, bottom_y, dpi);
  PlaceControl(window_, IDC_PROMPT_BUTTON4, kPromptButton4, bottom_y, dpi);
  for (int i = 0; i < 2; ++i) {
    const ControlPlace hidden{kPromptHiddenButtonX[i], kPromptButton1.y, kPromptButton1.width,
                              kPromptButton1.height};
    PlaceControl(window_, IDC_PROMPT_BUTTON2 + i, hidden, bottom_y, dpi);
    ShowWindow(GetDlgItem(window_, IDC_PROMPT_BUTTON2 + i), SW_HIDE);
  }
  SetText(window_, IDC_PROMPT_CHECKBOX1, kPromptDontAskCaption);
  SetText(window_, IDC_PROMPT_BUTTON1, look.button1);
  if (look.button4 != nullptr) {
    SetText(window_, IDC_PROMPT_BUTTON4, look.button4);
  } else {
    ShowWindow(GetDlgItem(window_, IDC_PROMPT_BUTTON4), SW_HIDE);
  }
  const std::string_view message = quillane::FixedMessage(kind_);
  SetLabel1(std::string(message));
  for (std::size_t i = 0; i < kLayoutButtons.size(); ++i) {
    const ControlPlace place{kLayoutButtonX, kLayoutButtons[i].y, kPromptMessage.width,
                             kLayoutButtonHeight};
    PlaceControl(window_, kLayoutButtonIds[i], place, middle_y, dpi);
    SetText(window_, kLayoutButtonIds[i], kLayoutButtons[i].caption);
    ShowWindow(GetDlgItem(window_, kLayoutButtonIds[i]), look.layout_buttons ? SW_SHOW : SW_HIDE);
  }
  CheckRadioButton(window_, IDC_PROMPT_RADIOBUTTON1, IDC_PROMPT_RADIOBUTTON4,
                   IDC_PROMPT_RADIOBUTTON1);
  dos_variant_ = 1;

  SIZE outer = OuterSizeForClient(window_, Scaled(kPromptClientWidth, dpi),
                                  Scaled(kPromptClientHeight, dpi));
  if (look.layout_buttons) outer.cy = Scaled(kLayoutPromptOuterHeight, dpi);
  SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER);
}

void TfFileDialog::SetEdit1(const std::string& text) {
  SetDlgItemTextW(window_, IDC_PROMPT_EDIT1, WideOfUtf8(text).c_str());
}

void TfFileDialog::SetLabel1(const std::string& text) {
  SetDlgItemTextW(window_, IDC_PROMPT_LABEL1, WideOfUtf8(text).c_str());
}

bool TfFileDialog::CheckBox1() const {
  return IsDlgButtonChecked(window_, IDC_PROMPT_CHECKBOX1) == BST_CHECKED;
}

// Shown over the disabled owner; a message loop of its own runs until an answer comes. The
// window is then hidden, not destroyed.
int TfFileDialog::ShowModal() {
  modal_result_ = 0;
  showing_ = true;
  CentreOnScreen(window_);
  const bool owner_enabled = owner_ != nullptr && IsWindowEnabled(owner_);
  if (owner_enabled) EnableWindow(owner_, FALSE);
  ShowWindow(window_, SW_SHOW);
  SendMessageW(window_, WM_NEXTDLGCTL,
               reinterpret_cast<WPARAM>(GetDlgItem(window_, IDC_PROMPT_CHECKBOX1)), TRUE);
  MSG message{};
  while (showing_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (showing_) {
    // The loop was told to end: no answer counts as "stop", and the quit goes on.
    FormClose(kPromptStop);
    PostQuitMessage(static_cast<int>(message.wParam));
  }
  if (owner_enabled) EnableWindow(owner_, TRUE);
  ShowWindow(window_, SW_HIDE);
  if (owner_enabled) SetActiveWindow(owner_);
  return modal_result_;
}

// Runs at the end of every showing: a "stop" answer unticks "Don't ask me again", so a ticked
// box always remembers a "go on".
void TfFileDialog::FormClose(int result) {
  modal_result_ = result;
  showing_ = false;
  if (result == kPromptStop) CheckDlgButton(window_, IDC_PROMPT_CHECKBOX1, BST_UNCHECKED);
}

void TfFileDialog::RadioButton1Click() {
  for (int i = 0; i < 4; ++i) {
    if (IsDlgButtonChecked(window_, kLayoutButtonIds[i]) == BST_CHECKED) dos_variant_ = i + 1;
  }
}

INT_PTR CALLBACK TfFileDialog::DialogProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<TfFileDialog*>(l);
    SetWindowLongPtrW(window, DWLP_USER, l);
    self->window_ = window;
    self->Build();
    return FALSE;  // the focus is set at each showing
  }
  auto* self = reinterpret_cast<TfFileDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) return FALSE;
  switch (message) {
    case WM_CLOSE:  // the title bar's close box answers 2 in every kind
      if (self->showing_) self->FormClose(kPromptStop);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(w)) {
        case IDC_PROMPT_BUTTON1:
          if (self->showing_) self->FormClose(kPromptGoOn);
          return TRUE;
        case IDC_PROMPT_BUTTON4:
          if (self->showing_) self->FormClose(kPromptStop);
          return TRUE;
        case IDCANCEL:  // the Esc key
          if (self->showing_) self->FormClose(PromptKindOf(self->kind_).escape_result);
          return TRUE;
        case IDOK:  // Enter: no button is the default one
          return TRUE;
        case IDC_PROMPT_RADIOBUTTON1:
        case IDC_PROMPT_RADIOBUTTON2:
        case IDC_PROMPT_RADIOBUTTON3:
        case IDC_PROMPT_RADIOBUTTON4:
          if (HIWORD(w) == BN_CLICKED) self->RadioButton1Click();
          return TRUE;
      }
      break;
  }
  return FALSE;
}

quillane::Answer TfFileDialog::Ask(const std::string& file_name, const std::string& message) {
  SetEdit1(file_name);
  SetLabel1(message);
  const bool go_on = ShowModal() == kPromptGoOn;
  return {go_on, CheckBox1(), static_cast<quillane::GeometryMode>(dos_variant_)};
}

PromptWindows::PromptWindows(HWND owner) {
  for (std::size_t i = 0; i < kPromptKinds.size(); ++i) {
    windows_[i] = std::make_unique<TfFileDialog>(owner, kPromptKinds[i].question);
  }
}

TfFileDialog& PromptWindows::Window(Question question) {
  return *windows_[question == Question::Crosslink         ? 0
                   : question == Question::UnsupportedSize ? 1
                                                           : 2];
}

quillane::Answer PromptWindows::Ask(Question question, const std::string& file_name,
                                    const std::string& message) {
  return Window(question).Ask(file_name, message);
}
