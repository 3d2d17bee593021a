#pragma once

#include "ReverseMap.h"

namespace quillane {

// Only the first 80 columns (two 40-column C64 screen lines) carry reverse-video bits.
inline constexpr int kReverseColumns = ReverseMap::kColumns;

// What one cell of a listing row shows.
enum class CellLook {
  kBlank,     // past the end of the text: background only, never reversed
  kNormal,    // light-blue character on blue
  kReversed,  // blue character on light blue
};

// The look of cell `column` of a row whose text is `text_length` bytes long and whose reverse
// bit for that column is `reverse_bit`. A cell past the end of the text ignores its bit.
// Columns 80 and beyond (a long file name plus its type) have no bits: they are drawn in the
// normal colours, as the type text that usually stands there is never reversed.
constexpr CellLook LookOfCell(int column, int text_length, bool reverse_bit) {
  if (column >= text_length) return CellLook::kBlank;
  if (column >= kReverseColumns) return CellLook::kNormal;
  return reverse_bit ? CellLook::kReversed : CellLook::kNormal;
}

}  // namespace quillane
