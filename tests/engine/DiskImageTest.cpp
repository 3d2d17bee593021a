#include "DiskImage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "ImageBuilder.h"

namespace quillane {
namespace {

using test::TempFile;

// ReadByte serves the bytes of the page read last inline; these reads move the position across
// pages, out of the page cache, before the start, past the end, through a move and a close.
TEST(DiskImageTest, FileAndMemoryImagesReadEveryByteAndMinusOneOutside) {
  std::vector<std::uint8_t> bytes(200000);
  std::uint32_t x = 12345;
  for (auto& b : bytes) b = static_cast<std::uint8_t>((x = x * 1103515245u + 12345u) >> 24);
  TempFile file(bytes);
  for (const bool from_file : {true, false}) {
    DiskImage image = DiskImage::FromBytes(bytes);
    ASSERT_TRUE(!from_file || image.Open(file.path()));  // opening replaces the memory image
    EXPECT_EQ(image.ImageSize(), 200000);
    for (std::size_t i = 0; i < bytes.size(); ++i) ASSERT_EQ(image.ReadByte(), bytes[i]) << i;
    EXPECT_EQ(image.ReadByte(), -1);
    for (std::int64_t at = 199999; at >= 0; at -= 4093) {
      image.SeekTo(at);
      ASSERT_EQ(image.ReadByte(), bytes[static_cast<std::size_t>(at)]) << at;
    }
    image.SeekTo(-1);
    EXPECT_EQ(image.ReadByte(), -1);
    image.SeekTo(4093);
    image.SeekBy(2);
    DiskImage moved = std::move(image);
    EXPECT_EQ(image.ReadByte(), -1);  // NOLINT(bugprone-use-after-move): emptied by the move
    EXPECT_EQ(moved.ReadByte(), bytes[4095]);
    moved.SeekBy(-3);
    EXPECT_EQ(moved.ReadByte(), bytes[4093]);
    moved.Close();
    moved.SeekTo(11);
    EXPECT_EQ(moved.ReadByte(), -1);
    EXPECT_EQ(moved.ImageSize(), 0);
  }
}

TEST(DiskImageTest, ReadsTheFileInPagesAndNeverTwice) {
  TempFile file(test::ImageBuilder::Blank35().bytes());
  DiskImage image;
  ASSERT_TRUE(image.Open(file.path()));
  // All of track 18, twice over: it lies in two 4 KiB pages.
  for (int pass = 0; pass < 2; ++pass) {
    image.SeekTo(0x16500);
    for (int i = 0; i < 19 * 256; ++i) image.ReadByte();
  }
  EXPECT_EQ(image.OsReadCalls(), 2u);
  EXPECT_EQ(image.OsBytesRead(), 2u * 4096u);
}

// A run of bytes reads as that many single reads would: the same bytes, the same position, and
// a short count where the image ends.
TEST(DiskImageTest, ReadBytesIsARunOfReadByte) {
  std::vector<std::uint8_t> bytes(10000);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
  TempFile file(bytes);
  struct Case {
    std::int64_t at;
    std::size_t count;
    std::size_t expected_read;
  };
  const Case cases[] = {
      {0x10, 16, 16},  // inside a page
      {4090, 16, 16},  // across the boundary of two pages
      {9995, 16, 5},   // runs off the end
      {10000, 2, 0},   // at the end
      {-1, 4, 0},      // before the start
  };
  for (const bool from_file : {true, false}) {
    DiskImage runs = DiskImage::FromBytes(bytes);
    DiskImage singles = DiskImage::FromBytes(bytes);
    if (from_file) {
      ASSERT_TRUE(runs.Open(file.path()));
      ASSERT_TRUE(singles.Open(file.path()));
    }
    for (const Case& c : cases) {
      // Read something elsewhere first, so the page in hand is not the one asked for.
      runs.SeekTo(8000);
      runs.ReadByte();
      runs.SeekTo(c.at);
      singles.SeekTo(c.at);
      std::vector<std::uint8_t> got(c.count, 0xEE);
      EXPECT_EQ(runs.ReadBytes(got), c.expected_read) << c.at;
      for (std::size_t i = 0; i < c.expected_read; ++i) {
        EXPECT_EQ(got[i], singles.ReadByte()) << c.at << "+" << i;
      }
      EXPECT_EQ(runs.Position(), singles.Position()) << c.at;
    }
  }
}

// The page buffers outlive a close: the next file must never see the last one's bytes.
TEST(DiskImageTest, ReopeningReadsTheNewFileOnly) {
  const std::vector<std::uint8_t> first(9000, 0x11);
  const std::vector<std::uint8_t> second(5000, 0x22);
  TempFile first_file(first);
  TempFile second_file(second);
  DiskImage image;
  ASSERT_TRUE(image.Open(first_file.path()));
  image.SeekTo(8999);
  EXPECT_EQ(image.ReadByte(), 0x11);
  image.SeekTo(0);
  EXPECT_EQ(image.ReadByte(), 0x11);
  ASSERT_TRUE(image.Open(second_file.path()));
  EXPECT_EQ(image.ReadByte(), 0x22);
  image.SeekTo(4999);
  EXPECT_EQ(image.ReadByte(), 0x22);
  image.SeekTo(8999);  // held by the first file, beyond the end of this one
  EXPECT_EQ(image.ReadByte(), -1);
}

TEST(DiskImageTest, OnlyRegularFilesOpen) {
  const std::string dir = ::testing::TempDir() + "quillane-open-test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir + "/folder.d64");
  const std::string fifo = dir + "/pipe.d64";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // An ordinary open of the FIFO would wait for a writer forever.
  for (const std::string& path :
       {fifo, dir + "/folder.d64", dir + "/missing.d64", std::string(), std::string("/dev/null")}) {
    DiskImage image;
    std::string reason;
    EXPECT_FALSE(image.Open(path, &reason)) << path;
    EXPECT_FALSE(reason.empty()) << path;
    EXPECT_FALSE(image.IsOpen()) << path;
    EXPECT_EQ(image.ReadByte(), -1) << path;
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace quillane
