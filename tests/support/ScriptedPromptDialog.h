#pragma once

#include <deque>
#include <string>
#include <vector>

#include "PromptDialog.h"

namespace quillane::test {

// One answer of a scripted prompt: the result, whether the box was ticked with it, the layout.
struct PromptAnswer {
  int result = kPromptGoOn;
  bool tick_box = false;
  int dos_variant = 1;
};

// A prompt dialog that answers from a script instead of a user, and records every showing.
// It keeps its state between showings as the real dialog does: an answer of 2 unticks the box.
class ScriptedPromptDialog final : public PromptDialog {
 public:
  using Answer = PromptAnswer;
  struct Showing {
    std::string edit1;
    std::string label1;
  };

  explicit ScriptedPromptDialog(int kind, Answer fallback = {})
      : kind_(kind), fallback_(fallback) {}

  // Answers for the next showings, in order; when they run out, the fallback answers.
  ScriptedPromptDialog& Then(Answer answer) {
    script_.push_back(answer);
    return *this;
  }

  int Kind() const override { return kind_; }
  void SetEdit1(const std::string& text) override { edit1_ = text; }
  void SetLabel1(const std::string& text) override { label1_ = text; }
  int ShowModal() override {
    shown_.push_back({edit1_, label1_});
    Answer answer = fallback_;
    if (!script_.empty()) {
      answer = script_.front();
      script_.pop_front();
    }
    modal_result_ = answer.result;
    check_box_ = answer.result == kPromptGoOn && answer.tick_box;
    dos_variant_ = answer.dos_variant;
    return modal_result_;
  }
  bool CheckBox1() const override { return check_box_; }
  int ModalResult() const override { return modal_result_; }
  int DosVariant() const override { return dos_variant_; }

  const std::vector<Showing>& shown() const { return shown_; }

 private:
  int kind_;
  Answer fallback_;
  std::deque<Answer> script_;
  std::vector<Showing> shown_;
  std::string edit1_;
  std::string label1_;
  bool check_box_ = false;
  int modal_result_ = 0;
  int dos_variant_ = 1;
};

}  // namespace quillane::test
