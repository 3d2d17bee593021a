#include "ScreenCode.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

// The edges of every range of the mapping, as a C64 shows each byte when it prints it: letters,
// shifted letters, graphics, pi, and control bytes kept inside quotes (shown reversed).
TEST(ScreenCodeTest, ByteShowsAsTheScreenCharacterTheC64Prints) {
  const struct {
    int byte, code;
  } cases[] = {
      {0x00, 0x00}, {0x1F, 0x1F}, {0x20, 0x20}, {0x3F, 0x3F}, {0x40, 0x00}, {0x5F, 0x1F},
      {0x60, 0x40}, {0x7F, 0x5F}, {0x80, 0x40}, {0x8D, 0x4D}, {0x9F, 0x5F}, {0xA0, 0x60},
      {0xBF, 0x7F}, {0xC0, 0x40}, {0xDF, 0x5F}, {0xE0, 0x60}, {0xFE, 0x7E}, {0xFF, 0x5E},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(kScreenCellOfByte[c.byte].code, c.code) << "byte 0x" << std::hex << c.byte;
  }
  bool reached[128] = {};
  for (int b = 0; b < 256; ++b) {
    const ScreenCell cell = kScreenCellOfByte[b];
    EXPECT_EQ(cell.reversed, (b & 0x7F) < 0x20) << "byte " << b;  // exactly the control bytes
    ASSERT_LT(cell.code, 0x80) << "byte " << b;
    if (!cell.reversed) reached[cell.code] = true;
  }
  for (int code = 0; code < 128; ++code) EXPECT_TRUE(reached[code]) << "screen code " << code;
}

}  // namespace
}  // namespace quillane
