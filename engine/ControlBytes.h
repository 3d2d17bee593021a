#pragma once

#include <cstdint>

namespace quillane {

// The C64's control codes are 0x00-0x1F and 0x80-0x9F: the bytes whose bits 5 and 6 are both
// clear. Every other byte is printed as a character.
inline constexpr std::uint8_t kCharacterBits = 0x60;

constexpr bool IsControlCode(std::uint8_t b) {
  return (b & kCharacterBits) == 0;
}

// A screen cell that shows a control code kept inside quotes, or the shifted space, is drawn
// as a reversed character of its own.
constexpr bool IsControlCell(std::uint8_t b) {
  return IsControlCode(b) || b == 0xA0;
}

}  // namespace quillane
