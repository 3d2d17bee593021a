#include "ReverseMap.h"

#include <algorithm>

namespace quillane {

void ResetReverseMap(ReverseMap& map) {
  for (auto& row : map.rows) row.fill(0x00);
  // The header row "0 " followed by the quoted disk name: reversed from the opening quote on.
  map.rows[0].fill(0xFF);
  map.rows[0][0] = 0xFC;
}

void SetReverseRange(ReverseMap& map, int row, int first, int last, bool on) {
  if (row < 0 || row >= ReverseMap::kRows) return;
  first = std::max(first, 0);
  last = std::min(last, ReverseMap::kColumns - 1);
  if (first > last) return;
  auto& bytes = map.rows[static_cast<std::size_t>(row)];
  // The range as byte masks: the first and last bytes in part, the bytes between them whole.
  const auto first_byte = static_cast<std::size_t>(first / 8);
  const auto last_byte = static_cast<std::size_t>(last / 8);
  const auto head = static_cast<std::uint8_t>(0xFFu << (first % 8));
  const auto tail = static_cast<std::uint8_t>(0xFFu >> (7 - last % 8));
  auto apply = [&bytes, on](std::size_t i, std::uint8_t mask) {
    bytes[i] = on ? static_cast<std::uint8_t>(bytes[i] | mask)
                  : static_cast<std::uint8_t>(bytes[i] & ~mask);
  };
  if (first_byte == last_byte) {
    apply(first_byte, head & tail);
    return;
  }
  apply(first_byte, head);
  std::fill(bytes.begin() + first_byte + 1, bytes.begin() + last_byte, on ? 0xFF : 0x00);
  apply(last_byte, tail);
}

}  // namespace quillane
