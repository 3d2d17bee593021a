#pragma once

#include <string>

namespace quillane {

// Result codes of a prompt: 1 go on (OK, "List Anyway"), 2 stop (Cancel, "Abort", the close
// box, and Esc where Esc cancels).
inline constexpr int kPromptGoOn = 1;
inline constexpr int kPromptStop = 2;

// The three prompts the engine may raise, by kind number.
inline constexpr int kCrosslinkPrompt = 3;
inline constexpr int kFilesizePrompt = 4;
inline constexpr int kExtBamPrompt = 6;

// One long-lived prompt window as the engine sees it. The desktop program implements it with a
// real dialog; the command-line lister answers from its options.
//
// The protocol of every caller: read CheckBox1 (the "Don't ask me again during this session"
// box); when it is not ticked, write the texts and show the prompt; then, shown or not, act on
// ModalResult (and DosVariant for the extended-BAM prompt). Closing with 2 unticks the box, so
// a ticked box always remembers an answer of 1.
class PromptDialog {
 public:
  virtual ~PromptDialog() = default;

  virtual int Kind() const = 0;
  virtual void SetEdit1(const std::string& text) = 0;   // the file-name line
  virtual void SetLabel1(const std::string& text) = 0;  // the message line
  virtual int ShowModal() = 0;                          // 1 or 2, also left in ModalResult
  virtual bool CheckBox1() const = 0;
  virtual int ModalResult() const = 0;  // 0 before the first showing
  virtual int DosVariant() const = 0;   // 1-4, the layout choice of kind 6
};

}  // namespace quillane
