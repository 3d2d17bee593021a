#include "PngOutput.h"

#include <png.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quillane::cli {
namespace {

// Whether two paths name the same existing file.
bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace

void PngListing::Append(const ListingRow& row) {
  texts_.emplace_back(row.text);
  bits_.push_back(row.reverse);
}

bool PngListing::WritePicture(const CliOptions& options, const std::string& image,
                              std::string* error) const {
  if (SameFile(options.png, image)) {
    *error = "is the disk image itself; not overwritten";
    return false;
  }
  std::vector<ListingRow> rows;
  rows.reserve(texts_.size());
  for (std::size_t r = 0; r < texts_.size(); ++r) rows.push_back({texts_[r], bits_[r]});
  RgbImage picture = RenderListing(rows, options.charset, options.scale);
  if (options.png_size > 0) picture = FitInto(picture, options.png_size);
  return WritePng(picture, options.png, error);
}

bool WritePng(const RgbImage& picture, const std::string& path, std::string* error) {
  if (picture.Empty()) {
    *error = "nothing to draw";
    return false;
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    *error = std::strerror(errno);
    return false;
  }
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(picture.width);
  png.height = static_cast<png_uint_32>(picture.height);
  png.format = PNG_FORMAT_RGB;
  bool written = png_image_write_to_stdio(&png, file, 0, picture.pixels.data(), 0, nullptr) != 0;
  if (!written) *error = png.message;
  // A full disk may show only when the buffered end of the file goes out.
  if (written && (std::fflush(file) != 0 || std::ferror(file) != 0)) {
    written = false;
    *error = std::strerror(errno);
  }
  struct stat status {};
  const bool regular = ::fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode);
  if (std::fclose(file) != 0 && written) {
    written = false;
    *error = std::strerror(errno);
  }
  if (!written && regular) std::remove(path.c_str());
  return written;
}

}  // namespace quillane::cli
