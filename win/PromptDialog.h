#pragma once

#include "SystemHeaders.h"

#include <array>
#include <memory>
#include <string>

#include "PromptAnswerer.h"
#include "PromptKinds.h"

// The modal prompt that asks the user how to go on when an image is not what a plain listing
// expects, one per kind (3, 4, 6), built at start-up and kept for the whole run: its "Don't ask
// me again" box, its texts, its last answer and (kind 6) the chosen layout last as long as the
// program. Each showing builds the window from the dialog template and puts that state back on
// it. Esc answers as the kind says, the close box 2, no button reacts to Enter, and every
// showing is centred on the screen with the focus on CheckBox1.
class TfFileDialog {
 public:
  TfFileDialog(HWND owner, quillane::Question kind);
  ~TfFileDialog();
  TfFileDialog(const TfFileDialog&) = delete;
  TfFileDialog& operator=(const TfFileDialog&) = delete;

  HWND Handle() const { return window_; }  // while shown; nullptr otherwise
  quillane::Question Kind() const { return kind_; }
  void SetEdit1(const std::string& text);
  void SetLabel1(const std::string& text);
  int ShowModal();  // 1 or 2, also left in ModalResult
  bool CheckBox1() const { return check_box1_; }
  int ModalResult() const { return modal_result_; }
  quillane::GeometryMode DosVariant() const { return dos_variant_; }

  quillane::Answer Ask(const std::string& file_name, const std::string& message);

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM w, LPARAM l);
  void Build();
  void FormClose(int result);
  void RadioButton1Click();

  HWND owner_;
  HWND window_ = nullptr;
  quillane::Question kind_;
  std::wstring edit1_;
  std::wstring label1_;
  int modal_result_ = 0;
  quillane::GeometryMode dos_variant_ = quillane::GeometryMode::Original;
  bool check_box1_ = false;
};

// The questions of a listing put to the user with the three prompt windows, one per kind,
// built at start-up in the order 3, 4, 6.
class PromptWindows final : public quillane::PromptAnswerer {
 public:
  explicit PromptWindows(HWND owner);
  TfFileDialog& Window(quillane::Question question);
  quillane::Answer Ask(quillane::Question question, const std::string& file_name,
                       const std::string& message) override;

 private:
  std::array<std::unique_ptr<TfFileDialog>, 3> windows_;  // crosslink, file size, layout
};
