#pragma once

#include <functional>
#include <string>

#include "CliOptions.h"
#include "PromptAnswerer.h"

namespace quillane::cli {

// Answers the questions of a listing as the command line's options say, the same way at every
// showing; remembering is left to the session's prompts, as with the window's dialogs.
class AnsweringDialog final : public PromptAnswerer {
 public:
  // Called at every showing, before the answer, so the caller can report the prompt.
  using ShowHook =
      std::function<void(Question, const std::string& file_name, const std::string& message)>;

  AnsweringDialog(const CliOptions& options, ShowHook on_show)
      : options_(options), on_show_(std::move(on_show)) {}

  Answer Ask(Question question, const std::string& file_name, const std::string& message) override {
    if (on_show_) on_show_(question, file_name, message);
    switch (question) {
      case Question::Crosslink:
        return {options_.crosslinks != CrosslinkAnswer::Abort,
                options_.crosslinks == CrosslinkAnswer::ListOnce};
      case Question::UnsupportedSize:
        return {true, false};
      case Question::Layout:
        break;
    }
    // A layout is chosen once for the whole run; 0 answers Cancel.
    if (options_.layout < 1 || options_.layout > 4) return {false, false};
    return {true, true, static_cast<GeometryMode>(options_.layout)};
  }

 private:
  const CliOptions& options_;
  ShowHook on_show_;
};

}  // namespace quillane::cli
