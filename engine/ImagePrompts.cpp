#include "ImagePrompts.h"

#include <array>

namespace quillane {
const ImagePrompts::Memory& ImagePrompts::Ask(Question question, const std::string& file_name,
                                              const std::string& message) {
  Memory& memory = memory_[QuestionSlot(question)];
  if (!memory.silenced) {
    memory.answer = answerer_.Ask(question, file_name, message);
    memory.silenced = memory.answer.go_on && memory.answer.dont_ask_again;
  }
  return memory;
}

void ImagePrompts::ReportUnsupportedSize(const std::string& file_name) {
  if (file_name.empty()) return;
  Ask(Question::UnsupportedSize, file_name, std::string(FixedMessage(Question::UnsupportedSize)));
}

GeometryMode ImagePrompts::AskGeometryMode(const std::string& file_name) {
  const Memory& memory =
      Ask(Question::Layout, file_name, std::string(FixedMessage(Question::Layout)));
  const int layout = ModeNumber(memory.answer.layout);
  if (!memory.answer.go_on || layout < 1 || layout > 4) return GeometryMode::NotListable;
  return memory.answer.layout;
}

ImagePrompts::Decision ImagePrompts::AskCrosslink(const std::string& file_name,
                                                  std::int32_t offset) {
  const Memory& memory = Ask(Question::Crosslink, file_name, CrosslinkMessage(offset));
  return {memory.answer.go_on, memory.silenced};
}

std::string CrosslinkMessage(std::int32_t offset) {
  constexpr std::array<char, 16> kDigits{'0', '1', '2', '3', '4', '5', '6', '7',
                                         '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
  auto value = static_cast<std::uint32_t>(offset);
  std::string hex;
  do {
    hex.insert(hex.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return "Directoryentry $" + hex + " is crosslinked to a previous directoryentry!";
}

}  // namespace quillane
