#pragma once

#include <functional>
#include <string>

#include "PromptDialog.h"

namespace quillane::cli {

// A prompt that answers itself the same way at every showing, as an option of the command line
// says, and keeps its state like the window's dialogs do: the don't-ask-again box stays ticked
// after an answer of 1 given with it, and an answer of 2 unticks it.
class AnsweringDialog final : public PromptDialog {
 public:
  struct Answer {
    int result = kPromptGoOn;  // 1 go on, 2 stop
    bool tick_box = false;     // tick "Don't ask me again during this session"
    int dos_variant = 1;       // the layout chosen (kind 6)
  };
  // Called at every showing, before the answer, so the caller can report the prompt.
  using ShowHook = std::function<void(const AnsweringDialog&)>;

  AnsweringDialog(int kind, std::string label, Answer answer, ShowHook on_show)
      : kind_(kind), label1_(std::move(label)), answer_(answer), on_show_(std::move(on_show)) {}

  int Kind() const override { return kind_; }
  void SetEdit1(const std::string& text) override { edit1_ = text; }
  void SetLabel1(const std::string& text) override { label1_ = text; }
  int ShowModal() override {
    if (on_show_) on_show_(*this);
    modal_result_ = answer_.result;
    check_box_ = answer_.result == kPromptGoOn && answer_.tick_box;
    if (kind_ == kExtBamPrompt) dos_variant_ = answer_.dos_variant;
    return modal_result_;
  }
  bool CheckBox1() const override { return check_box_; }
  int ModalResult() const override { return modal_result_; }
  int DosVariant() const override { return dos_variant_; }

  const std::string& Edit1() const { return edit1_; }
  const std::string& Label1() const { return label1_; }

 private:
  int kind_;
  std::string edit1_;
  std::string label1_;
  Answer answer_;
  ShowHook on_show_;
  bool check_box_ = false;
  int modal_result_ = 0;
  int dos_variant_ = 1;
};

}  // namespace quillane::cli
