#pragma once

#include <cstddef>
#include <cstdint>

#include "DiskImage.h"

namespace quillane::test {

// A disk image whose reads of its open file go through `read_at` (with ReadFileAt's contract)
// instead of the system: for tests that count the reads or make them fail.
struct DiskImageReads {
  using ReadAt = std::int64_t (*)(FileHandle file, void* buffer, std::size_t count,
                                  std::int64_t offset, int* error);
  static DiskImage ReadingThrough(ReadAt read_at) {
    DiskImage image;
    image.read_at_ = read_at;
    return image;
  }
};

}  // namespace quillane::test
