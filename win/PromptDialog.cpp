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
  const std::string_view message = quillane::FixedMessage(kind_);
  label1_ = WideOfUtf8(message);
}

TfFileDialog::~TfFileDialog() {
  if (window_ != nullptr) EndDialog(window_, kPromptStop);
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
  SetDlgItemTextW(window_, IDC_PROMPT_EDIT1, edit1_.c_str());
  SetDlgItemTextW(window_, IDC_PROMPT_LABEL1, label1_.c_str());
  CheckDlgButton(window_, IDC_PROMPT_CHECKBOX1, check_box1_ ? BST_CHECKED : BST_UNCHECKED);
  for (std::size_t i = 0; i < kLayoutButtons.size(); ++i) {
    const ControlPlace place{kLayoutButtonX, kLayoutButtons[i].y, kPromptMessage.width,
                             kLayoutButtonHeight};
    PlaceControl(window_, kLayoutButtonIds[i], place, middle_y, dpi);
    SetText(window_, kLayoutButtonIds[i], kLayoutButtons[i].caption);
    ShowWindow(GetDlgItem(window_, kLayoutButtonIds[i]), look.layout_buttons ? SW_SHOW : SW_HIDE);
  }
  CheckRadioButton(window_, IDC_PROMPT_RADIOBUTTON1, IDC_PROMPT_RADIOBUTTON4,
                   kLayoutButtonIds[quillane::ModeNumber(dos_variant_) - 1]);

  SIZE outer = OuterSizeForClient(window_, Scaled(kPromptClientWidth, dpi),
                                  Scaled(kPromptClientHeight, dpi));
  if (look.layout_buttons) outer.cy = Scaled(kLayoutPromptOuterHeight, dpi);
  SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER);
  CentreOnScreen(window_);
  SetFocus(GetDlgItem(window_, IDC_PROMPT_CHECKBOX1));
}

void TfFileDialog::SetEdit1(const std::string& text) {
  edit1_ = WideOfUtf8(text);
  if (window_ != nullptr) SetDlgItemTextW(window_, IDC_PROMPT_EDIT1, edit1_.c_str());
}

void TfFileDialog::SetLabel1(const std::string& text) {
  label1_ = WideOfUtf8(text);
  if (window_ != nullptr) SetDlgItemTextW(window_, IDC_PROMPT_LABEL1, label1_.c_str());
}

// Modal over the main window, which takes no input meanwhile.
int TfFileDialog::ShowModal() {
  modal_result_ = 0;
  const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PROMPT),
                                         owner_, DialogProc, reinterpret_cast<LPARAM>(this));
  window_ = nullptr;
  // A showing that ended without an answer (the window not made, the program told to end)
  // counts as "stop".
  if (result <= 0 || modal_result_ == 0) {
    modal_result_ = kPromptStop;
    check_box1_ = false;
  }
  return modal_result_;
}

// Runs at the end of every showing: a "stop" answer unticks "Don't ask me again", so a ticked
// box always remembers a "go on".
void TfFileDialog::FormClose(int result) {
  modal_result_ = result;
  check_box1_ =
      result != kPromptStop && IsDlgButtonChecked(window_, IDC_PROMPT_CHECKBOX1) == BST_CHECKED;
  if (result == kPromptStop) CheckDlgButton(window_, IDC_PROMPT_CHECKBOX1, BST_UNCHECKED);
  EndDialog(window_, result);
}

void TfFileDialog::RadioButton1Click() {
  for (int i = 0; i < 4; ++i) {
    if (IsDlgButtonChecked(window_, kLayoutButtonIds[i]) == BST_CHECKED) {
      dos_variant_ = kLayoutButtons[i].layout;
    }
  }
}

INT_PTR CALLBACK TfFileDialog::DialogProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<TfFileDialog*>(l);
    SetWindowLongPtrW(window, DWLP_USER, l);
    self->window_ = window;
    self->Build();
    return FALSE;  // the focus is on CheckBox1
  }
  auto* self = reinterpret_cast<TfFileDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) return FALSE;
  switch (message) {
    case WM_CLOSE:  // the title bar's close box answers 2 in every kind
      self->FormClose(kPromptStop);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(w)) {
        case IDC_PROMPT_BUTTON1:
          self->FormClose(kPromptGoOn);
          return TRUE;
        case IDC_PROMPT_BUTTON4:
          self->FormClose(kPromptStop);
          return TRUE;
        case IDCANCEL:  // the Esc key
          self->FormClose(PromptKindOf(self->kind_).escape_result);
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
  return {go_on, CheckBox1(), dos_variant_};
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
