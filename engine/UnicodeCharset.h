#pragma once

#include <cstdint>
#include <string>

#include "Charset.h"

namespace quillane {

// The Unicode character that shows screen character `code` (0-127; bit 7, the reverse-video
// half of the character ROM, is ignored) of a character set. Letters, digits and punctuation
// map to themselves, the graphics to the box-drawing, block-element and geometric characters
// and to the Symbols for Legacy Computing (U+1FB00-1FBFF, Unicode 13) made for these sets.
char32_t UnicodeOfScreenCode(Charset charset, std::uint8_t code);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t code_point);

}  // namespace quillane
