#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "LineBuffer.h"
#include "ReverseMap.h"

namespace quillane {

// What BASIC's LIST and the screen editor make of one listing row: control codes act outside
// quotes, stay in the text inside them, and in the header keyword tokens expand. Without a
// prefix the row is the header. Writes what the C64 shows, at most 80 bytes, into *shown
// (replacing what it held; it must not hold text or prefix) and records the row's reverse-video
// columns in *bits, control cells cleared (ClearControlColumns). Returns how many bytes of the
// prefix are left: deletes can only shorten it from its end.
std::size_t EmulateListLine(ReverseMap::Row& bits, std::string_view text,
                            const std::optional<std::string_view>& prefix, LineBuffer& shown);

// Clears the reverse bit of every column start_column + i whose text byte is a control byte
// (0x00-0x1F, 0x80-0xA0): the C64 shows those as reversed characters of their own. Columns
// beyond 79 are skipped.
void ClearControlColumns(ReverseMap::Row& bits, std::string_view text, int start_column);

}  // namespace quillane
