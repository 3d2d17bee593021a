#pragma once

#include <string_view>

#include "ReverseMap.h"

namespace quillane {

// One row of a listing as it leaves the directory walk: its text and the reverse-video bits of
// its cells travel together, so whoever keeps or prints the row needs nothing else.
//
// text is the row's raw PETSCII bytes, one per screen column, never a 0x00 byte; it is only
// lent for the call that receives the row. reverse holds columns 0-79: column c is bit c % 8
// of byte c / 8, bit 0 the lowest column of its byte. Columns 80 and beyond are never reversed.
struct ListingRow {
  std::string_view text;
  ReverseMap::Row reverse{};

  bool IsReversed(int column) const { return ReverseMap::IsReversed(reverse, column); }
};

}  // namespace quillane
