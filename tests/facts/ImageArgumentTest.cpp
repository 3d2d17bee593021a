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

// Windows hands the program its command line as one string, its own name first.
TEST(ImageArgumentTest, CommandLineSplitsAtBlanksAndQuotesGroup) {
  const struct {
    const char* line;
    std::vector<std::string> arguments;
  } cases[] = {
      {"", {}},
      {" \t ", {}},
      {"q.exe C:\\Disks\\Demo.d64", {"q.exe", "C:\\Disks\\Demo.d64"}},
      {"\"C:\\Program Files\\q.exe\"  \"My Disks\\a b.d64\"\tnext",
       {"C:\\Program Files\\q.exe", "My Disks\\a b.d64", "next"}},
      // A backslash does not escape the quote after it.
      {"q \"C:\\My Disks\\\" demo.d64", {"q", "C:\\My Disks\\", "demo.d64"}},
      {"q My\" \"Disks\\x.d64", {"q", "My Disks\\x.d64"}},
      {"q \"\" x", {"q", "", "x"}},
      {"q \"open ended.d64", {"q", "open ended.d64"}},
      {"q \xce\x94\xce\xaf\xcf\x83\xce\xba\xce\xbf\xcf\x82.d64 ",
       {"q", "\xce\x94\xce\xaf\xcf\x83\xce\xba\xce\xbf\xcf\x82.d64"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(SplitCommandLine(c.line), c.arguments);
  }
}

}  // namespace
