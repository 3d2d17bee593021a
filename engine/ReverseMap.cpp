#include "ReverseMap.h"

#include <algorithm>

namespace quillane {

void SetReverseRange(ReverseMap::Row& bits, int first, int last, bool on) {
  first = std::max(first, 0);
  last = std::min(last, ReverseMap::kColumns - 1);
  if (first > last) return;
  // The range as byte masks: the first and last bytes in part, the bytes between them whole.
  const auto first_byte = static_cast<std::size_t>(first / 8);
  const auto last_byte = static_cast<std::size_t>(last / 8);
  const auto head = static_cast<std::uint8_t>(0xFFu << (first % 8));
  const auto tail = static_cast<std::uint8_t>(0xFFu >> (7 - last % 8));
  auto apply = [&bits, on](std::size_t i, std::uint8_t mask) {
    bits[i] =
        on ? static_cast<std::uint8_t>(bits[i] | mask) : static_cast<std::uint8_t>(bits[i] & ~mask);
  };
  if (first_byte == last_byte) {
    apply(first_byte, head & tail);
    return;
  }
  apply(first_byte, head);
  std::fill(bits.begin() + first_byte + 1, bits.begin() + last_byte, on ? 0xFF : 0x00);
  apply(last_byte, tail);
}

}  // namespace quillane
