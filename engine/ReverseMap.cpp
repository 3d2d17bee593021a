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
  const int first_byte = first / 8;
  const int last_byte = last / 8;
  for (int i = first_byte; i <= last_byte; ++i) {
    std::uint8_t mask = 0xFF;
    if (i == first_byte) mask &= static_cast<std::uint8_t>(0xFFu << (first % 8));
    if (i == last_byte) mask &= static_cast<std::uint8_t>(0xFFu >> (7 - last % 8));
    auto& byte = bytes[static_cast<std::size_t>(i)];
    byte = on ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
  }
}

}  // namespace quillane
