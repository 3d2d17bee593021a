#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quillane::cli {

// One image to list, as a path argument turns out to hold it.
struct ImageSource {
  enum class Kind {
    File,    // a plain file at path, opened by the lister (which says why it cannot be)
    Bytes,   // bytes read out of an archive or a .d64.gz, held for this one listing
    Failed,  // could not be read: reason says why
  };
  Kind kind = Kind::File;
  std::string path;     // as shown: the file, or "ARCHIVE/MEMBER"
  std::string archive;  // the archive (or .d64.gz file) the bytes come from; empty for a file
  std::string member;   // the member's name inside the archive; empty for a .d64.gz
  std::vector<std::uint8_t> bytes;
  std::string reason;
};

// Hands take every image that one command-line path stands for, in order: a plain file as it
// is; each image member of an archive in archive order, then the archive's damage when it has
// some; the one image of a .d64.gz; the member of an "ARCHIVE/MEMBER" path. With recursive, a
// folder stands for every image and archive beneath it, in sorted order, each folder walked
// once however many links lead to it. take returns false to stop; so does this then.
bool ForEachImageSource(const std::string& path, bool recursive,
                        const std::function<bool(ImageSource&)>& take);

}  // namespace quillane::cli
