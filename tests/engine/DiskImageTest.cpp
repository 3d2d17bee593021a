#include "DiskImage.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "DiskImageReads.h"
#include "ImageBuilder.h"

namespace quillane {
namespace {

using test::TempFile;

// The operating system's side of a read, counted, failing from the call given on.
int g_calls = 0;
int g_fail_from = 1 << 30;
// The system's code for a failing disk, and its words, on either system.
#ifdef _WIN32
constexpr int kDiskError = 1117;  // ERROR_IO_DEVICE
#else
constexpr int kDiskError = EIO;
#endif
std::int64_t CountingRead(FileHandle file, void* buffer, std::size_t count, std::int64_t offset,
                          int* error) {
  if (++g_calls < g_fail_from) return ReadFileAt(file, buffer, count, offset, error);
  *error = kDiskError;
  return -1;
}

// One read call serves all of tracks 18 and 19; a failed read fails the image for good, a file that
// shrank after it was opened too; before the start and past the end read as -1.
TEST(DiskImageTest, OneReadServesTrack18AndAFailedReadFailsTheImage) {
  std::vector<std::uint8_t> bytes(174848);
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
  // clang-format off
  const struct { int fail_from, calls, shrink_to; const char* reason; } cases[] = {
      {1 << 30, 3, 0, ""}, {2, 2, 0, "Input/output error"}, {1, 1, 0, "Input/output error"},
      {1 << 30, 2, 0x17000, "the file shrank while it was read"}};
  // clang-format on
  for (const auto& c : cases) {
    const TempFile file(bytes);
    g_calls = 0;
    g_fail_from = c.fail_from;
    DiskImage image = test::DiskImageReads::ReadingThrough(CountingRead);
    ASSERT_TRUE(image.Open(file.path()));
    if (c.shrink_to > 0) {
      std::filesystem::resize_file(file.path(), static_cast<std::uintmax_t>(c.shrink_to));
    }
    const bool first_fails = c.fail_from == 1 || c.shrink_to > 0;
    for (int i = 0; i < 2 * 19 * 256; ++i) {  // tracks 18 and 19, from the BAM on
      image.SeekTo(0x16500 + i);
      ASSERT_EQ(image.ReadByte(), first_fails ? -1 : bytes[0x16500 + i]);
    }
    for (const std::int64_t at : {0x18B00, 0x16500}) {  // the next block, then back
      image.SeekTo(at);
      EXPECT_EQ(image.ReadByte(), *c.reason ? -1 : bytes[at]);
    }
    for (const std::int64_t at : {-1, 174848}) {
      image.SeekTo(at);
      EXPECT_EQ(image.ReadByte(), -1);
    }
    EXPECT_EQ(g_calls, c.calls);
    EXPECT_EQ(image.Failed(), *c.reason != 0);
    EXPECT_EQ(image.FailureReason(), c.reason);
  }
}

// A name opens whatever its script: the path is UTF-8 and reaches the system whole.
TEST(DiskImageTest, NamesInAnyScriptOpen) {
  const std::vector<std::uint8_t> bytes = {0x12, 0x34, 0x56};
  for (const char* suffix : {" Δίσκος.d64", " 磁盘 ディスク.d64", " диск ü.d64"}) {
    const TempFile file(bytes, suffix);
    DiskImage image;
    const Outcome opened = image.Open(file.path());
    ASSERT_TRUE(opened) << suffix << ": " << opened.reason;
    EXPECT_EQ(image.ImageSize(), 3);
    image.SeekTo(2);
    EXPECT_EQ(image.ReadByte(), 0x56);
    const Outcome missing = image.Open(file.path() + "x");
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.reason, "No such file or directory");
  }
}

}  // namespace
}  // namespace quillane
