#pragma once

#include <cstdint>
#include <string>

#include "DiskImage.h"
#include "GeometryMode.h"
#include "ImagePrompts.h"
#include "ListingList.h"
#include "PromptDialog.h"
#include "ReverseMap.h"
#include "SectorOffsetTable.h"

namespace quillane {

// How the listing of one path went.
enum class ListOutcome {
  Listed,       // classified and walked (also when the walk stopped early)
  CannotOpen,   // not a regular file that could be opened for reading
  NotListable,  // unsupported size, or the layout question was cancelled
  Unreadable,   // a read failed, or the file shrank below its classified size
};

// Turns disk images into listing rows. One instance lives as long as the front end that shows
// the rows: it owns the sector addressing table, and reaches the user only through the
// crosslink prompt and the message box. Each row leaves the walk with its own reverse-video
// bits.
class DirectoryLister {
 public:
  DirectoryLister(PromptDialog& crosslink_dialog, MessageBox& messages);

  // Appends the listing of an opened, classified image (mode 1-4) to an empty list: the header
  // row (two when it is wider than 40 columns), one row per listed directory entry and the
  // "BLOCKS FREE." row, and records each row's reverse-video cells. file_name is only shown.
  void WalkDirectory(DiskImage& image, const std::string& file_name, GeometryMode mode,
                     ListingList& list);

  // The whole listing of one path: open read-only, classify, walk when listable, close.
  // The caller empties the list first. *open_error gets the reason when the path cannot be
  // opened; *mode gets the classification as soon as it is known, before the walk starts.
  ListOutcome ListImage(const std::string& path, ImagePrompts& prompts, ListingList& list,
                        std::string* open_error = nullptr, GeometryMode* mode = nullptr);

  const SectorOffsetTable& sector_offsets() const { return sector_offsets_; }

 private:
  // The crosslink prompt for a link back to an already visited sector at next_offset. True
  // when the walk lists the current sector and goes on.
  bool GoOnAfterCrosslink(const std::string& file_name, std::int32_t next_offset,
                          int& crosslink_count);

  PromptDialog& crosslink_dialog_;
  MessageBox& messages_;
  SectorOffsetTable sector_offsets_;
  DiskImage image_;  // the image ListImage has open; its page buffers serve one file after another
};

// "Directoryentry $16600 is crosslinked to a previous directoryentry!" for offset 0x16600.
std::string CrosslinkMessage(std::int32_t offset);

// "<file name>: Max 288 files allowed! Image aborted!"
std::string TooManyFilesMessage(const std::string& file_name);

}  // namespace quillane
