#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Outcome.h"

namespace quillane::archive {

// The most bytes read of one image: one past the largest accepted image size (a 40-track image
// with its error bytes), so a bigger member is known to be too big without inflating any more
// of it, however large it claims or turns out to be.
inline constexpr std::int64_t kMostImageBytes = 197376 + 1;

// One image member of an archive, as read.
struct Member {
  std::string name;   // the name stored in the archive, as it is (shown escaped)
  bool read = false;  // bytes holds the member (cut at kMostImageBytes); else reason says why not
  std::vector<std::uint8_t> bytes;
  std::string reason;
};

// Reads the archive at path through libarchive, in archive order, and hands each member whose
// name is an image's to visit; with only set, just the first member of that name. Members that
// are folders, links, other files and archives inside the archive are passed over. Each
// member's bytes are read into memory only; nothing is written anywhere. visit returns false to
// stop. Fails, saying why, when the archive could not be opened or is damaged; the members read
// before the damage have been visited.
Outcome ReadImageMembers(const std::string& path, const std::string* only,
                         const std::function<bool(Member&)>& visit);

// The names of the archive's image members that are safe to show and list, in archive order,
// read from the members' headers alone (their data is passed over, not inflated).
Outcome ImageMemberNames(const std::string& path, std::vector<std::string>* names);

// The one image inside a gzip-compressed file (".d64.gz"), cut at kMostImageBytes. Fails, saying
// why, when the file cannot be opened or is not whole gzip data.
Outcome ReadCompressedImage(const std::string& path, std::vector<std::uint8_t>* bytes);

}  // namespace quillane::archive
