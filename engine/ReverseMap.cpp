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
  for (int c = first; c <= last; ++c) {
    const auto bit = static_cast<std::uint8_t>(1u << (c % 8));
    auto& byte = bytes[static_cast<std::size_t>(c / 8)];
    byte = on ? static_cast<std::uint8_t>(byte | bit) : static_cast<std::uint8_t>(byte & ~bit);
  }
}

}  // namespace quillane
