#include "UnicodeCharset.h"

#include <array>

namespace quillane {
namespace {

using CharsetTable = std::array<char32_t, 128>;

// Screen codes 0x00-0x3F: "@", the letters, "[", pound, "]", up arrow, left arrow, then the
// ASCII run from blank to "?". In the upper/lower-case set the letters are lower case.
constexpr CharsetTable MakeTextHalf(bool lower_case) {
  CharsetTable t{};
  t[0x00] = U'@';
  for (char32_t c = 0; c < 26; ++c) t[1 + c] = (lower_case ? U'a' : U'A') + c;
  t[0x1B] = U'[';
  t[0x1C] = U'\u00A3';  // POUND SIGN
  t[0x1D] = U']';
  t[0x1E] = U'\u2191';  // UPWARDS ARROW
  t[0x1F] = U'\u2190';  // LEFTWARDS ARROW
  for (char32_t c = 0x20; c < 0x40; ++c) t[c] = c;
  return t;
}

// Screen codes 0x40-0x7F of the upper-case/graphics set: the shifted and Commodore-key
// graphics, as the Legacy Computing block maps them. The straight lines the C64 draws two pixels
// thick are one-eighth blocks, counted from the top (horizontal) or the left (vertical); only
// 0x40 and 0x5D keep the box-drawing lines.
constexpr std::array<char32_t, 64> kUpperGraphicsHigh{
    U'\u2500',      // 40 horizontal line, middle
    U'\u2660',      // 41 spade
    U'\U0001FB72',  // 42 vertical line, fourth column
    U'\U0001FB78',  // 43 horizontal line, fourth row
    U'\U0001FB77',  // 44 horizontal line, third row
    U'\U0001FB76',  // 45 horizontal line, second row
    U'\U0001FB7A',  // 46 horizontal line, sixth row
    U'\U0001FB71',  // 47 vertical line, third column
    U'\U0001FB74',  // 48 vertical line, sixth column
    U'\u256E',      // 49 arc down and left
    U'\u2570',      // 4A arc up and right
    U'\u256F',      // 4B arc up and left
    U'\U0001FB7C',  // 4C left and lower one eighth block
    U'\u2572',      // 4D diagonal upper left to lower right
    U'\u2571',      // 4E diagonal upper right to lower left
    U'\U0001FB7D',  // 4F left and upper one eighth block
    U'\U0001FB7E',  // 50 right and upper one eighth block
    U'\u25CF',      // 51 black circle
    U'\U0001FB7B',  // 52 horizontal line, seventh row
    U'\u2665',      // 53 heart
    U'\U0001FB70',  // 54 vertical line, second column
    U'\u256D',      // 55 arc down and right
    U'\u2573',      // 56 diagonal cross
    U'\u25CB',      // 57 white circle
    U'\u2663',      // 58 club
    U'\U0001FB75',  // 59 vertical line, seventh column
    U'\u2666',      // 5A diamond
    U'\u253C',      // 5B cross of lines
    U'\U0001FB8C',  // 5C left half medium shade
    U'\u2502',      // 5D vertical line, middle (drawn like 42 on the C64)
    U'\u03C0',      // 5E pi
    U'\u25E5',      // 5F upper right triangle
    U'\u00A0',      // 60 shifted space
    U'\u258C',      // 61 left half block
    U'\u2584',      // 62 lower half block
    U'\u2594',      // 63 upper one eighth block
    U'\u2581',      // 64 lower one eighth block
    U'\u258F',      // 65 left one eighth block
    U'\u2592',      // 66 medium shade
    U'\u2595',      // 67 right one eighth block
    U'\U0001FB8F',  // 68 lower half medium shade
    U'\u25E4',      // 69 upper left triangle
    U'\U0001FB87',  // 6A right one quarter block
    U'\u251C',      // 6B vertical and right
    U'\u2597',      // 6C quadrant lower right
    U'\u2514',      // 6D up and right
    U'\u2510',      // 6E down and left
    U'\u2582',      // 6F lower one quarter block
    U'\u250C',      // 70 down and right
    U'\u2534',      // 71 up and horizontal
    U'\u252C',      // 72 down and horizontal
    U'\u2524',      // 73 vertical and left
    U'\u258E',      // 74 left one quarter block
    U'\u258D',      // 75 left three eighths block
    U'\U0001FB88',  // 76 right three eighths block
    U'\U0001FB82',  // 77 upper one quarter block
    U'\U0001FB83',  // 78 upper three eighths block
    U'\u2583',      // 79 lower three eighths block
    U'\U0001FB7F',  // 7A right and lower one eighth block
    U'\u2596',      // 7B quadrant lower left
    U'\u259D',      // 7C quadrant upper right
    U'\u2518',      // 7D up and left
    U'\u2598',      // 7E quadrant upper left
    U'\u259A',      // 7F quadrant upper left and lower right
};

constexpr CharsetTable MakeUpperGraphics() {
  CharsetTable t = MakeTextHalf(false);
  for (int i = 0; i < 64; ++i) t[0x40 + i] = kUpperGraphicsHigh[i];
  return t;
}

// The upper/lower-case set keeps the graphics of the other set, except where its capital
// letters stand (0x41-0x5A) and for four shapes of its own.
constexpr CharsetTable MakeUpperLower() {
  CharsetTable t = MakeTextHalf(true);
  for (int i = 0; i < 64; ++i) t[0x40 + i] = kUpperGraphicsHigh[i];
  for (char32_t c = 0; c < 26; ++c) t[0x41 + c] = U'A' + c;
  t[0x5E] = U'\U0001FB96';  // inverse checker board fill
  t[0x5F] = U'\U0001FB98';  // upper left to lower right fill
  t[0x69] = U'\U0001FB99';  // upper right to lower left fill
  t[0x7A] = U'\u2713';      // check mark
  return t;
}

constexpr CharsetTable kUpperGraphics = MakeUpperGraphics();
constexpr CharsetTable kUpperLower = MakeUpperLower();

}  // namespace

char32_t UnicodeOfScreenCode(Charset charset, std::uint8_t code) {
  const CharsetTable& table = charset == Charset::UpperLower ? kUpperLower : kUpperGraphics;
  return table[code & 0x7F];
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace quillane
