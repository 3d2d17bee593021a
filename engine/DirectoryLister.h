#pragma once

#include <string>

#include "DiskImage.h"
#include "GeometryMode.h"
#include "ImagePrompts.h"
#include "ListingList.h"

namespace quillane {

// How the listing of one path went.
enum class ListOutcome {
  Listed,       // classified and walked (also when the walk stopped early)
  CannotOpen,   // not a regular file that could be opened for reading
  NotListable,  // unsupported size, or the layout question was cancelled
  Unreadable,   // a read failed, or the file shrank while it was read: the rows are void
};

// The outcome of one listing and, when the path could not be opened or read, why.
struct ListResult {
  ListOutcome outcome = ListOutcome::Listed;
  std::string reason;  // empty unless CannotOpen or Unreadable
};

// Turns disk images into listing rows. It keeps nothing from one listing to the next: it
// reaches the user through the session's prompts and the message box, and every row leaves
// the walk with its own reverse-video bits.
class DirectoryLister {
 public:
  DirectoryLister(ImagePrompts& prompts, MessageBox& messages)
      : prompts_(prompts), messages_(messages) {}

  // Appends the listing of an opened, classified image (mode 1-4) to an empty list: the header
  // row (two when it is wider than 40 columns), one row per listed directory entry and the
  // "BLOCKS FREE." row. file_name is only shown.
  void WalkDirectory(DiskImage& image, const std::string& file_name, GeometryMode mode,
                     ListingList& list);

  // The whole listing of one path: open read-only, classify, walk when listable, close. The
  // caller empties the list first, and throws away what was appended when the outcome is
  // Unreadable. The list is told the classification as soon as it is known, before the walk
  // starts.
  ListResult ListImage(const std::string& path, ListingList& list);
  // The same for an image opened already (bytes held in memory, say), shown as path.
  ListResult ListImage(DiskImage& image, const std::string& path, ListingList& list);

 private:
  ImagePrompts& prompts_;
  MessageBox& messages_;
};

// "<file name>: Max 288 files allowed! Image aborted!"
std::string TooManyFilesMessage(const std::string& file_name);

}  // namespace quillane
