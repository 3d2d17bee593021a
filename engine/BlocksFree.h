#pragma once

#include <optional>

#include "DiskImage.h"
#include "GeometryMode.h"

namespace quillane {

// The number of the "BLOCKS FREE." line: the free-sector counts of the BAM entries of tracks
// 1-35 (track 18, home of the BAM and the directory, never counts), plus under a 40-track mode
// the five extended entries of tracks 36-40. Counts are added as stored, unchecked.
// Leaves the position behind the last entry read. None when a count could not be read (the
// image's FailureReason says why).
std::optional<int> CountBlocksFree(DiskImage& image, GeometryMode mode);

}  // namespace quillane
