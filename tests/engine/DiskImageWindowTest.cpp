#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "DiskImage.h"
#include "ImageBuilder.h"

namespace quillane {
namespace {

// ReadByte serves the bytes of the page read last inline; these cases move the position
// across pages, out of the page cache's 16 slots, through a move and a close.
TEST(DiskImageWindowTest, InlineReadsAgreeWithTheFileEverywhere) {
  std::vector<std::uint8_t> bytes(200000);
  std::uint32_t x = 12345;
  for (auto& b : bytes) b = static_cast<std::uint8_t>((x = x * 1103515245u + 12345u) >> 24);
  test::TempFile file(bytes);

  for (const bool from_file : {true, false}) {
    SCOPED_TRACE(from_file);
    DiskImage image;
    if (from_file) {
      ASSERT_TRUE(image.Open(file.path()));
    } else {
      image = DiskImage::FromBytes(bytes);
    }
    // Sequentially through all 49 pages, then backwards in page-sized strides.
    for (std::size_t i = 0; i < bytes.size(); ++i) ASSERT_EQ(image.ReadByte(), bytes[i]) << i;
    EXPECT_EQ(image.ReadByte(), -1);
    for (std::int64_t at = static_cast<std::int64_t>(bytes.size()) - 1; at >= 0; at -= 4093) {
      image.SeekTo(at);
      ASSERT_EQ(image.ReadByte(), bytes[static_cast<std::size_t>(at)]) << at;
    }

    image.SeekTo(4095);
    EXPECT_EQ(image.ReadByte(), bytes[4095]);
    DiskImage moved = std::move(image);
    EXPECT_EQ(image.ReadByte(), -1);  // NOLINT(bugprone-use-after-move): emptied by the move
    EXPECT_EQ(moved.ReadByte(), bytes[4096]);
    moved.SeekTo(-1);
    EXPECT_EQ(moved.ReadByte(), -1);
    moved.SeekTo(10);
    EXPECT_EQ(moved.ReadByte(), bytes[10]);
    moved.Close();
    moved.SeekTo(11);
    EXPECT_EQ(moved.ReadByte(), -1);
  }
}

}  // namespace
}  // namespace quillane
