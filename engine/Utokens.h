#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quillane {

// One keyword of Commodore 64 BASIC V2 and its token byte.
struct BasicToken {
  std::string_view keyword;  // lower case
  std::int32_t code;         // only the low byte counts; 0 ends the table
};

// The keywords of tokens 0x80-0xCB in token order, then 0xFF "{pi}", then the end entry.
extern const std::array<BasicToken, 78> BasicTokenTable;

}  // namespace quillane
