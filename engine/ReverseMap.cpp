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
  auto& bytes = map.rows[static_cast<std::size_t>(row)];
  // A byte at a time: the columns of the range that fall into byte i, as a mask.
  for (int i = first / 8; first <= last && i <= last / 8; ++i) {
    const int low = std::max(first, 8 * i) - 8 * i;
    const int high = std::min(last, 8 * i + 7) - 8 * i;
    const auto mask = static_cast<std::uint8_t>((0xFFu << low) & (0xFFu >> (7 - high)));
    auto& byte = bytes[static_cast<std::size_t>(i)];
    byte = on ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
  }
}

}  // namespace quillane
