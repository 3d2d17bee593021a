#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "CliOptions.h"
#include "PromptAnswerer.h"

namespace quillane::cli {

// Answers the questions of a listing as the command line's options say, the same way at every
// showing; remembering is left to the session's prompts, as with the window's dialogs.
class OptionAnswerer final : public PromptAnswerer {
 public:
  // Called at every showing with the answer given, as the option's word ("ok" where no option
  // decides), so the caller can report the prompt.
  using ShowHook = std::function<void(Question, const std::string& message, std::string_view word)>;

  OptionAnswerer(const CliOptions& options, ShowHook on_show)
      : options_(options), on_show_(std::move(on_show)) {}

  Answer Ask(Question question, const std::string& /*file_name*/,
             const std::string& message) override {
    const Answered answered = AnswerTo(question);
    if (on_show_) on_show_(question, message, answered.word);
    return answered.answer;
  }

 private:
  struct Answered {
    Answer answer;
    std::string_view word;
  };

  Answered AnswerTo(Question question) const {
    switch (question) {
      case Question::Crosslink:
        return {{options_.crosslinks != CrosslinkAnswer::Abort,
                 options_.crosslinks == CrosslinkAnswer::ListOnce},
                CrosslinkAnswerWord(options_.crosslinks)};
      case Question::UnsupportedSize:
        return {{true, false}, "ok"};
      case Question::Layout:
        break;
    }
    // A layout is chosen once for the whole run; NotListable answers Cancel.
    const std::string_view word = LayoutWord(options_.layout);
    if (options_.layout == GeometryMode::NotListable) return {{false, false}, word};
    return {{true, true, options_.layout}, word};
  }

  const CliOptions& options_;
  ShowHook on_show_;
};

}  // namespace quillane::cli
