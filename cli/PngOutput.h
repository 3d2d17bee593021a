#pragma once

#include <string>
#include <vector>

#include "CliOptions.h"
#include "ListingList.h"
#include "ListingPicture.h"
#include "Outcome.h"

namespace quillane::cli {

// The listing of one image as a PNG picture (--png): keeps the rows as the directory walk
// appends them, then draws them with the picture renderer and writes the file.
//
//   PngListing picture;
//   if (lister.ListImage(path, picture).outcome == ListOutcome::Listed) {
//     if (const Outcome written = picture.WritePicture(options, path); !written) ...
//   }
class PngListing final : public ListingList {
 public:
  void Append(const ListingRow& row) override;
  int Count() const override { return static_cast<int>(texts_.size()); }

  // Draws the rows in options.charset at options.scale, shrunk to fit options.png_size
  // pixels square when that is set, and writes them to options.png. A failure telling why when
  // the file cannot be written; the image itself is never overwritten.
  Outcome WritePicture(const CliOptions& options, const std::string& image) const;

 private:
  std::vector<std::string> texts_;
  std::vector<ReverseMap::Row> bits_;
};

// Writes the picture as an 8-bit RGB PNG file. A failure telling why when it cannot be
// written; a regular file left half written is removed.
Outcome WritePng(const RgbImage& picture, const std::string& path);

}  // namespace quillane::cli
