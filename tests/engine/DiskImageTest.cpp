#include "DiskImage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>

#include "ImageBuilder.h"

namespace quillane {
namespace {

using test::ImageBuilder;
using test::TempFile;

TEST(DiskImageTest, ReadsBytesInOrderAndGivesMinusOneAtAndPastTheEnd) {
  TempFile file({0x00, 0x7F, 0xFF});
  DiskImage image;
  ASSERT_TRUE(image.Open(file.path()));
  EXPECT_EQ(image.ImageSize(), 3);
  EXPECT_EQ(image.ReadByte(), 0x00);
  EXPECT_EQ(image.ReadByte(), 0x7F);
  EXPECT_EQ(image.ReadByte(), 0xFF);
  EXPECT_EQ(image.ReadByte(), -1);
  EXPECT_EQ(image.ReadByte(), -1);
  image.SeekTo(1000000);
  EXPECT_EQ(image.ReadByte(), -1);
  image.SeekTo(-1);
  EXPECT_EQ(image.ReadByte(), -1);
  image.SeekTo(0);
  image.SeekBy(2);
  EXPECT_EQ(image.ReadByte(), 0xFF);
  image.SeekBy(-3);
  EXPECT_EQ(image.ReadByte(), 0x00);
}

TEST(DiskImageTest, MemoryAndFileImagesReadTheSameBytes) {
  const auto bytes = ImageBuilder::Blank35().DiskName("SAME").bytes();
  TempFile file(bytes);
  DiskImage from_file;
  ASSERT_TRUE(from_file.Open(file.path()));
  DiskImage from_memory = DiskImage::FromBytes(bytes);
  for (std::int64_t offset : {0x0, 0xFFF, 0x1000, 0x16590, 0x2AAFF, 0x2AB00}) {
    from_file.SeekTo(offset);
    from_memory.SeekTo(offset);
    EXPECT_EQ(from_file.ReadByte(), from_memory.ReadByte()) << offset;
  }
}

TEST(DiskImageTest, ReadsTheFileInPagesAndNeverTwice) {
  TempFile file(ImageBuilder::Blank35().bytes());
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

TEST(DiskImageTest, OnlyRegularFilesOpen) {
  const std::string dir = ::testing::TempDir() + "quillane-open-test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir + "/folder.d64");
  const std::string fifo = dir + "/pipe.d64";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

  struct {
    std::string path;
    const char* what;
  } cases[] = {
      {fifo, "a FIFO (an ordinary open would wait for a writer forever)"},
      {dir + "/folder.d64", "a folder"},
      {dir + "/missing.d64", "a missing file"},
      {"", "the empty path"},
      {"/dev/null", "a device"},
  };
  for (const auto& c : cases) {
    DiskImage image;
    std::string reason;
    EXPECT_FALSE(image.Open(c.path, &reason)) << c.what;
    EXPECT_FALSE(reason.empty()) << c.what;
    EXPECT_FALSE(image.IsOpen()) << c.what;
    EXPECT_EQ(image.ReadByte(), -1) << c.what;
  }
  std::filesystem::remove_all(dir);
}

TEST(DiskImageTest, AClosedImageReadsNothing) {
  TempFile file({1, 2, 3});
  DiskImage image;
  ASSERT_TRUE(image.Open(file.path()));
  image.Close();
  EXPECT_EQ(image.ReadByte(), -1);
  EXPECT_EQ(image.ImageSize(), 0);
}

}  // namespace
}  // namespace quillane
