#pragma once

#include <cstdint>
#include <string>

#include "DiskImage.h"
#include "GeometryMode.h"
#include "ImagePrompts.h"

namespace quillane {

// The accepted file sizes.
inline constexpr std::int64_t kSize35 = 174848;        // 683 sectors
inline constexpr std::int64_t kSize35Errors = 175531;  // ... and 683 error-info bytes
inline constexpr std::int64_t kSize40 = 196608;        // 768 sectors
inline constexpr std::int64_t kSize40Errors = 197376;  // ... and 768 error-info bytes

// Decides whether an opened image is listed and under which layout. A 35-track size is
// Original without reading a byte; a 40-track size is searched for the signature and a
// consistent extended BAM of SpeedDOS, DolphinDOS and PrologicDOS, in that order, and the user
// is asked when none is found; any other size is reported and not listed (NotListable).
GeometryMode ClassifyImage(DiskImage& image, const std::string& file_name, ImagePrompts& prompts);

// True when the five extended BAM entries at the offset each count as many free sectors as
// their bitmaps have set bits, and at least one sector is free.
bool ExtendedBamPlausible(DiskImage& image, std::int64_t offset);

}  // namespace quillane
