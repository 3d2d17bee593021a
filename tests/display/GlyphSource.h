#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quillane::test {

// One 8 x 8 screen character: row 0 is the top row, bit 7 of a row its leftmost pixel.
using GlyphRows = std::array<std::uint8_t, 8>;

// The 128 screen characters of one character set, by screen code.
using GlyphSet = std::array<GlyphRows, 128>;

// Reads a glyph source of display/fonts (blocks of a "0xNN name" header and eight rows of '#'
// and '.'; a header "0xNN name = SET 0xMM" takes screen code 0xMM of SET.glyphs beside it).
// Gives nothing and an explanation in *error when the file is missing or malformed or does not
// draw all 128 codes.
std::optional<GlyphSet> ReadGlyphSource(const std::string& path, std::string* error);

}  // namespace quillane::test
