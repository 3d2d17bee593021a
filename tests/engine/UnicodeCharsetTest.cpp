#include "UnicodeCharset.h"

#include <gtest/gtest.h>

#include <string>

namespace quillane {
namespace {

constexpr Charset kUpper = Charset::UpperGraphics;
constexpr Charset kLower = Charset::UpperLower;

TEST(UnicodeCharsetTest, KnownCharacters) {
  const struct {
    Charset charset;
    int code;
    char32_t expected;
  } points[] = {
      {kUpper, 0x00, U'@'},          {kUpper, 0x01, U'A'},          {kUpper, 0x1A, U'Z'},
      {kLower, 0x01, U'a'},          {kLower, 0x5A, U'Z'},          {kUpper, 0x1C, U'\u00A3'},
      {kUpper, 0x1E, U'\u2191'},     {kUpper, 0x1F, U'\u2190'},     {kUpper, 0x22, U'"'},
      {kUpper, 0x40, U'\u2500'},     {kUpper, 0x41, U'\u2660'},     {kUpper, 0x5E, U'\u03C0'},
      {kUpper, 0x5F, U'\u25E5'},     {kUpper, 0x60, U'\u00A0'},     {kUpper, 0x66, U'\u2592'},
      {kUpper, 0x7A, U'\U0001FB7F'}, {kUpper, 0x7F, U'\u259A'},     {kLower, 0x5E, U'\U0001FB96'},
      {kLower, 0x5F, U'\U0001FB98'}, {kLower, 0x69, U'\U0001FB99'}, {kLower, 0x7A, U'\u2713'},
      {kUpper, 0x81, U'A'},  // the reverse half reads the same
  };
  for (const auto& p : points) {
    EXPECT_EQ(UnicodeOfScreenCode(p.charset, static_cast<std::uint8_t>(p.code)), p.expected)
        << p.code;
  }
}

TEST(UnicodeCharsetTest, BothSetsShareDigitsPunctuationAndGraphicsButDifferInLetters) {
  for (int code = 0; code < 128; ++code) {
    const auto c = static_cast<std::uint8_t>(code);
    const char32_t upper = UnicodeOfScreenCode(kUpper, c);
    const char32_t lower = UnicodeOfScreenCode(kLower, c);
    EXPECT_NE(upper, 0u) << code;
    EXPECT_NE(lower, 0u) << code;
    const bool letter = (code >= 0x01 && code <= 0x1A) || (code >= 0x41 && code <= 0x5A);
    const bool own_shape = code == 0x5E || code == 0x5F || code == 0x69 || code == 0x7A;
    EXPECT_EQ(upper == lower, !letter && !own_shape) << code;
  }
}

TEST(UnicodeCharsetTest, Utf8EncodingOfOneToFourBytes) {
  std::string out = "x";
  for (const char32_t code_point : {U'A', U'\u00A3', U'\u2500', U'\U0001FB7F'}) {
    AppendUtf8(out, code_point);
  }
  EXPECT_EQ(out, "xA\xC2\xA3\xE2\x94\x80\xF0\x9F\xAD\xBF");
}

}  // namespace
}  // namespace quillane
