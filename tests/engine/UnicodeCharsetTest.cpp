#include "UnicodeCharset.h"

#include <gtest/gtest.h>

#include <string>

namespace quillane {
namespace {

constexpr Charset U = Charset::UpperGraphics;
constexpr Charset L = Charset::UpperLower;

// Letters, punctuation and graphics of both sets; the reverse half reads as the normal one;
// the two sets differ in letters and four shapes only. UTF-8 of one to four bytes.
TEST(UnicodeCharsetTest, KnownCharactersAndTheirUtf8) {
  const struct {
    Charset charset;
    int code;
    char32_t expected;
  } points[] = {{U, 0x00, U'@'},          {U, 0x01, U'A'},          {U, 0x1A, U'Z'},
                {L, 0x01, U'a'},          {L, 0x5A, U'Z'},          {U, 0x1C, U'\u00A3'},
                {U, 0x1F, U'\u2190'},     {U, 0x22, U'"'},          {U, 0x41, U'\u2660'},
                {U, 0x5E, U'\u03C0'},     {U, 0x60, U'\u00A0'},     {U, 0x7F, U'\u259A'},
                {U, 0x7A, U'\U0001FB7F'}, {L, 0x5E, U'\U0001FB96'}, {L, 0x7A, U'\u2713'},
                {U, 0x81, U'A'}};
  for (const auto& p : points) {
    EXPECT_EQ(UnicodeOfScreenCode(p.charset, static_cast<std::uint8_t>(p.code)), p.expected)
        << p.code;
  }
  int differing = 0;
  for (int code = 0; code < 128; ++code) {
    const auto c = static_cast<std::uint8_t>(code);
    differing += UnicodeOfScreenCode(U, c) != UnicodeOfScreenCode(L, c);
  }
  EXPECT_EQ(differing, 2 * 26 + 4);
  std::string out = "x";
  for (const char32_t c : {U'A', U'\u00A3', U'\u2500', U'\U0001FB7F'}) AppendUtf8(out, c);
  EXPECT_EQ(out, "xA\xC2\xA3\xE2\x94\x80\xF0\x9F\xAD\xBF");
}

}  // namespace
}  // namespace quillane
