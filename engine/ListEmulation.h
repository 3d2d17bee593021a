#pragma once

#include <optional>
#include <string_view>

#include "LineBuffer.h"
#include "ListingLine.h"
#include "ReverseMap.h"

namespace quillane {

struct EmulatedLine {
  ListingLine text;  // what the C64 shows, at most 80 bytes
  ListingLine
      prefix;  // the block-count prefix, possibly shortened by deletes (empty in header mode)
};

// What BASIC's LIST and the screen editor make of one listing row: control codes act outside
// quotes, stay in the text inside them, and in the header keyword tokens expand. Records the
// row's reverse-video columns in row `row` of the map. Without a prefix the row is the header.
EmulatedLine EmulateListLine(ReverseMap& map, int row, std::string_view text,
                             std::optional<std::string_view> prefix);
// The same, writing what the C64 shows into *shown (replacing what it held; it must not hold
// text or prefix). Returns how many bytes of the prefix are left: deletes can only shorten it
// from its end.
std::size_t EmulateListLine(ReverseMap& map, int row, std::string_view text,
                            const std::optional<std::string_view>& prefix, LineBuffer& shown);

// Clears the reverse bit of every column start_column + i whose text byte is a control byte
// (0x00-0x1F, 0x80-0xA0); columns beyond 79 are skipped.
void ClearControlColumns(ReverseMap& map, int row, std::string_view text, int start_column);

}  // namespace quillane
