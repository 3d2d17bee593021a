#pragma once

#include <string>
#include <string_view>

namespace quillane {

// The text of one listing row as raw PETSCII bytes, one byte per screen column, never holding
// a 0x00 byte. Header rows hold at most 40 bytes; an entry row is a block-count prefix of at
// most 7 bytes, the emulated name of at most 80 bytes and the type text.
using ListingLine = std::string;

inline unsigned char ByteAt(std::string_view line, std::size_t i) {
  return static_cast<unsigned char>(line[i]);
}

}  // namespace quillane
