#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "GeometryMode.h"

namespace quillane {

// The questions a listing may put to the user. The values are the prompt windows' kind
// numbers, which the command line's event stream prints.
enum class Question : int {
  Crosslink = 3,        // a directory sector is reached a second time
  UnsupportedSize = 4,  // the file's size is none of the accepted ones
  Layout = 6,           // a 40-track image whose extended BAM was not recognised
};

// Where a question stands in every table kept per question (a session's answers, the prompt
// windows): crosslink, unsupported size, layout.
inline constexpr std::size_t kQuestionCount = 3;
constexpr std::size_t QuestionSlot(Question question) {
  switch (question) {
    case Question::Crosslink:
      return 0;
    case Question::UnsupportedSize:
      return 1;
    case Question::Layout:
      break;
  }
  return 2;
}

// The message line of a question whose message does not depend on the image; empty for the
// crosslink question, whose message names the sector.
constexpr std::string_view FixedMessage(Question question) {
  switch (question) {
    case Question::UnsupportedSize:
      return "Unsupported Filesize...";
    case Question::Layout:
      return "The Extended BAM could not be detected. Handle this Image as:";
    case Question::Crosslink:
      break;
  }
  return {};
}

// What the user answered at one showing of a question.
struct Answer {
  bool go_on = false;           // OK, "List Anyway"; else Cancel, "Abort", Esc, the close box
  bool dont_ask_again = false;  // "Don't ask me again during this session" was ticked
  GeometryMode layout = GeometryMode::Original;  // the layout chosen (Layout)
};

// Whoever puts a question to the user and brings back the answer: the prompt windows, the
// command line's options, a test's script. It decides nothing: when a question is asked and
// what an answer leads to is ImagePrompts' business.
class PromptAnswerer {
 public:
  virtual ~PromptAnswerer() = default;
  virtual Answer Ask(Question question, const std::string& file_name,
                     const std::string& message) = 0;
};

}  // namespace quillane
