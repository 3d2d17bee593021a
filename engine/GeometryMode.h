#pragma once

namespace quillane {

// How an accepted image is laid out. The numbers are the ones the extended-BAM question's
// layout choice uses too, so a chosen variant converts to a mode unchanged.
//   below 2: 35 tracks (a 40-track image handled as Original reads only tracks 1-35)
//   2 and up: 40 tracks, with the BAM entries of tracks 36-40 somewhere in track 18 sector 0
enum class GeometryMode : int {
  NotListable = 0,
  Original = 1,
  SpeedDOS = 2,
  DolphinDOS = 3,
  PrologicDOS = 4,
};

constexpr int ModeNumber(GeometryMode mode) {
  return static_cast<int>(mode);
}

// Highest track that may be addressed under the mode: 35 below mode 2, else 40.
constexpr int HighestTrack(GeometryMode mode) {
  return ModeNumber(mode) < 2 ? 35 : 40;
}

}  // namespace quillane
