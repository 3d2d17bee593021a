// The command-line image rule with either system's separators, against a stand-in for the
// file system that records what it was asked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ImageArgument.h"

namespace {

std::vector<std::string> looked_up;

bool ExistsUnlessMissing(const std::string& path) {
  looked_up.push_back(path);
  return path.find("missing") == std::string::npos;
}

TEST(ImageArgumentTest, FirstArgumentWithTheImageExtensionAfterTheLastSeparator) {
  const struct {
    const char* separators;
    std::vector<std::string> arguments;
    const char* image;
    bool looked_up;
  } cases[] = {
      {"\\:", {"q.exe", "C:\\Disks\\Demo.d64"}, "C:\\Disks\\Demo.d64", true},
      {"\\:", {"q.exe", "demo.D64", "other.d64"}, "demo.D64", true},
      {"\\:", {"q.exe", "games.d64\\disk"}, "", false},
      {"\\:", {"q.exe", "a.d64:stream"}, "", false},
      {"\\:", {"q.exe", "C:.D64"}, "C:.D64", true},
      {"\\:", {"q.exe", "disk.d64.bak"}, "", false},
      {"\\:", {"q.exe", "disk.d6"}, "", false},
      {"\\:", {"q.exe", "disk.d644"}, "", false},
      {"\\:", {"q.exe", "missing.d64"}, "", true},
      {"\\:", {"q.exe"}, "", false},
      {"/", {"q", "v1.2/disk"}, "", false},
      {"/", {"q", "v1.2/disk.D64"}, "v1.2/disk.D64", true},
      {"/", {"q", "dir\\x.d64"}, "dir\\x.d64", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.back());
    looked_up.clear();
    EXPECT_EQ(ImageArgument(c.arguments, c.separators, ExistsUnlessMissing), c.image);
    EXPECT_EQ(looked_up.size(), c.looked_up ? 1u : 0u);
  }
}

}  // namespace
