#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "GeometryMode.h"
#include "PromptAnswerer.h"

namespace quillane {

// The questions of one session and what each remembers. A question is asked until the user
// ticks "Don't ask me again during this session" together with a go-on answer; from then on it
// is not asked again, and its answer then stands for every later occurrence. A stop answer
// never silences a question: the box is unticked with it.
class ImagePrompts {
 public:
  explicit ImagePrompts(PromptAnswerer& answerer) : answerer_(answerer) {}

  // The image file's size is not an accepted one. The answer changes nothing. Nothing is
  // asked for an empty file name.
  void ReportUnsupportedSize(const std::string& file_name);

  // "Handle this Image as:": the layout chosen, or NotListable when the user cancels.
  GeometryMode AskGeometryMode(const std::string& file_name);

  // The answer about a link back to the already listed sector at offset: whether to go on,
  // and whether the answer was remembered (the question silenced).
  struct Decision {
    bool go_on;
    bool remembered;
  };
  Decision AskCrosslink(const std::string& file_name, std::int32_t offset);

 private:
  struct Memory {
    bool silenced = false;
    Answer answer;
  };
  const Memory& Ask(Question question, const std::string& file_name, const std::string& message);

  PromptAnswerer& answerer_;
  std::array<Memory, kQuestionCount> memory_;  // by QuestionSlot
};

// "Directoryentry $16600 is crosslinked to a previous directoryentry!" for offset 0x16600.
std::string CrosslinkMessage(std::int32_t offset);

}  // namespace quillane
