#include "UnicodeCharset.h"

#include <gtest/gtest.h>

#include <string>

namespace quillane {
namespace {

constexpr Charset kUpper = Charset::UpperGraphics;
constexpr Charset kLower = Charset::UpperLower;

// Letters and the Legacy Computing characters made for the two sets; the reverse half of the
// character ROM reads the same.
TEST(UnicodeCharsetTest, KnownCharacters) {
  // clang-format off
  const struct { Charset charset; int code; char32_t expected; } points[] = {
      {kUpper, 0x00, U'@'}, {kUpper, 0x1A, U'Z'}, {kLower, 0x01, U'a'}, {kLower, 0x5A, U'Z'}, {kLower, 0x42, U'B'},
      {kUpper, 0x1C, U'\u00A3'}, {kUpper, 0x1F, U'\u2190'}, {kUpper, 0x40, U'\u2500'}, {kUpper, 0x41, U'\u2660'},
      {kUpper, 0x42, U'\U0001FB72'}, {kUpper, 0x43, U'\U0001FB78'}, {kUpper, 0x44, U'\U0001FB77'},
      {kUpper, 0x45, U'\U0001FB76'}, {kUpper, 0x47, U'\U0001FB71'}, {kUpper, 0x48, U'\U0001FB74'},
      {kUpper, 0x54, U'\U0001FB70'}, {kUpper, 0x59, U'\U0001FB75'}, {kUpper, 0xC2, U'\U0001FB72'},
      {kUpper, 0x5D, U'\u2502'}, {kUpper, 0x5E, U'\u03C0'}, {kUpper, 0x60, U'\u00A0'}, {kUpper, 0x7A, U'\U0001FB7F'},
      {kLower, 0x5E, U'\U0001FB96'}, {kLower, 0x5F, U'\U0001FB98'}, {kLower, 0x69, U'\U0001FB99'},
      {kLower, 0x7A, U'\u2713'}, {kLower, 0x7F, U'\u259A'}};
  // clang-format on
  for (const auto& p : points) {
    EXPECT_EQ(UnicodeOfScreenCode(p.charset, static_cast<std::uint8_t>(p.code)), p.expected)
        << std::hex << p.code;
  }
}

TEST(UnicodeCharsetTest, Utf8EncodingOfOneToFourBytes) {
  std::string out = "x";
  for (const char32_t code_point : {U'A', U'\u00A3', U'\u2500', U'\U0001FB7F'})
    AppendUtf8(out, code_point);
  EXPECT_EQ(out, "xA\xC2\xA3\xE2\x94\x80\xF0\x9F\xAD\xBF");
}

}  // namespace
}  // namespace quillane
