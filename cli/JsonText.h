#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

namespace quillane::cli {

// Text inside a JSON string, written in place by a table of what each byte becomes.

// What one byte becomes inside a JSON string: at most six bytes, all six written at once and
// `length` of them kept. Eight bytes each, so that a byte finds its cell by a shift.
struct alignas(8) JsonCell {
  std::array<char, 6> bytes{};
  std::uint8_t length = 0;
};
using JsonCells = std::array<JsonCell, 256>;
inline constexpr std::size_t kMostJsonCell = 6;

// The JSON form of each byte of UTF-8 text: the quote and the backslash behind a backslash, the
// C0 controls as "\u00NN" (lowercase hex), every other byte as it is.
inline constexpr JsonCells kJsonOfByte = [] {
  constexpr std::string_view digits = "0123456789abcdef";
  JsonCells cells{};
  for (std::size_t b = 0; b < cells.size(); ++b) {
    JsonCell& cell = cells[b];
    if (b == '"' || b == '\\') {
      cell.bytes = {'\\', static_cast<char>(b)};
      cell.length = 2;
    } else if (b < 0x20) {
      cell.bytes = {'\\', 'u', '0', '0', digits[b >> 4], digits[b & 0xF]};
      cell.length = 6;
    } else {
      cell.bytes = {static_cast<char>(b)};
      cell.length = 1;
    }
  }
  return cells;
}();

// Room for a JSON string of n bytes of text, quotes included.
constexpr std::size_t JsonRoom(std::size_t n) {
  return 2 + kMostJsonCell * n;
}

// The bytes through the cells, without quotes: at most kMostJsonCell bytes per byte.
template <typename Byte>
char* PutJson(char* at, std::span<const Byte> bytes, const JsonCells& cells) {
  for (const Byte b : bytes) {
    const JsonCell& cell = cells[static_cast<std::uint8_t>(b)];
    std::memcpy(at, cell.bytes.data(), kMostJsonCell);
    at += cell.length;
  }
  return at;
}
inline char* PutJson(char* at, std::string_view text, const JsonCells& cells = kJsonOfByte) {
  return PutJson(at, std::span(text.data(), text.size()), cells);
}

// A JSON string of UTF-8 text, quotes included: at most JsonRoom(utf8.size()) bytes.
inline char* PutJsonString(char* at, std::string_view utf8) {
  *at++ = '"';
  at = PutJson(at, utf8);
  *at++ = '"';
  return at;
}

}  // namespace quillane::cli
