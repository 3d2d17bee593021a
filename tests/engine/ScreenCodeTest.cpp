#include "ScreenCode.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

// The edges of every range of the mapping, as a C64 shows each byte when it prints it; exactly
// the control bytes show reversed.
TEST(ScreenCodeTest, ByteShowsAsTheScreenCharacterTheC64Prints) {
  // clang-format off
  const int cases[][2] = {{0x00, 0x00}, {0x1F, 0x1F}, {0x20, 0x20}, {0x3F, 0x3F}, {0x40, 0x00}, {0x5F, 0x1F}, {0x60, 0x40},
      {0x7F, 0x5F}, {0x80, 0x40}, {0x9F, 0x5F}, {0xA0, 0x60}, {0xBF, 0x7F}, {0xC0, 0x40}, {0xDF, 0x5F}, {0xE0, 0x60},
      {0xFE, 0x7E}, {0xFF, 0x5E}};
  // clang-format on
  for (const auto& [byte, code] : cases) EXPECT_EQ(kScreenCellOfByte[byte].code, code) << byte;
  for (int b = 0; b < 256; ++b) EXPECT_EQ(kScreenCellOfByte[b].reversed, (b & 0x7F) < 0x20) << b;
}

}  // namespace
}  // namespace quillane
