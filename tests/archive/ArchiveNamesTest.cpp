#include "ArchiveNames.h"

#include <gtest/gtest.h>

#include <string>

namespace quillane::archive {
namespace {

TEST(ArchiveNamesTest, ImagesAndArchivesByName) {
  struct Case {
    const char* name;
    bool image, compressed, archive;
  };
  const Case cases[] = {
      {"a.d64", true, false, false},     {"A.D64", true, false, false},
      {"x.D64.Gz", false, true, false},  {"d64", false, false, false},
      {"a.d64.zip", false, false, true}, {"s.7Z", false, false, true},
      {"r.rar", false, false, true},     {"t.tar.gz", false, false, true},
      {"t.TGZ", false, false, true},     {"t.tar.zst", false, false, true},
      {"t.tar.xz", false, false, true},  {"a.gz", false, false, false},
      {"a.d65", false, false, false},    {"zip", false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsImageName(c.name), c.image);
    EXPECT_EQ(IsCompressedImageName(c.name), c.compressed);
    EXPECT_EQ(IsArchiveName(c.name), c.archive);
  }
}

TEST(ArchiveNamesTest, UnsafeMemberNames) {
  const std::pair<std::string, std::string> cases[] = {
      {"a/b.d64", ""},
      {"..a/b..d64", ""},
      {"", "member without a name"},
      {"/etc/x.d64", "member name is an absolute path"},
      {"..", "member name climbs out with \"..\""},
      {"a/../../x.d64", "member name climbs out with \"..\""},
      {"../x.d64", "member name climbs out with \"..\""},
      {"a/..", "member name climbs out with \"..\""},
      {"a\\b.d64", "member name holds a backslash"},
      {std::string("a\x1F.d64"), "member name holds a control character"},
      {std::string("a\x7F.d64"), "member name holds a control character"},
      {std::string("a\0.d64", 6), "member name holds a control character"},
      {"a\xC3\xA9 .d64", ""},
  };
  for (const auto& [name, reason] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(UnsafeNameReason(name), reason);
  }
}

}  // namespace
}  // namespace quillane::archive
