#pragma once

#include <string>
#include <string_view>

namespace quillane::archive {

// Disk images kept inside archives are found by name alone: a member ending in ".d64" (any
// letter case) is an image, and a file ending in ".d64.gz" is one gzip-compressed image.
bool IsImageName(std::string_view name);
bool IsCompressedImageName(std::string_view name);

// A file read as an archive of members, by its name: zip, 7z, rar, tar and the compressed tars.
bool IsArchiveName(std::string_view name);

// A stored member name that must never be used as a path: empty, absolute, with a ".." part, a
// backslash or a control byte. Such a member is refused with this reason; empty when the name
// is safe.
std::string_view UnsafeNameReason(std::string_view name);

// A path written as an archive, "/" and a member name ("demos/release.zip/side1.d64"): the
// longest prefix that is an existing regular file named as an archive decides. False when the
// path holds no such prefix.
struct MemberPath {
  std::string archive;
  std::string member;
};
bool SplitMemberPath(const std::string& path, MemberPath* split);

}  // namespace quillane::archive
