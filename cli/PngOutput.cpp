#include "PngOutput.h"

#include <stb_image_write.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ProgramEnvironment.h"

namespace quillane::cli {
namespace {

// Where the encoder's bytes go, and the first write that failed.
struct PngSink {
  std::FILE* file;
  int error = 0;
};

void WriteToSink(void* context, void* data, int size) {
  auto* sink = static_cast<PngSink*>(context);
  if (sink->error != 0 || size <= 0) return;
  if (std::fwrite(data, 1, static_cast<std::size_t>(size), sink->file) !=
      static_cast<std::size_t>(size)) {
    sink->error = errno != 0 ? errno : EIO;
  }
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
  std::FILE* file = OpenForWriting(path);
  if (file == nullptr) {
    *error = std::strerror(errno);
    return false;
  }
  PngSink sink{file};
  bool written = stbi_write_png_to_func(WriteToSink, &sink, picture.width, picture.height, 3,
                                        picture.pixels.data(), picture.width * 3) != 0;
  if (!written) *error = "the picture could not be encoded";
  if (written && sink.error != 0) {
    written = false;
    *error = std::strerror(sink.error);
  }
  // A full disk may show only when the buffered end of the file goes out.
  if (written && (std::fflush(file) != 0 || std::ferror(file) != 0)) {
    written = false;
    *error = std::strerror(errno);
  }
  const bool regular = IsRegularFile(file);
  if (std::fclose(file) != 0 && written) {
    written = false;
    *error = std::strerror(errno);
  }
  if (!written && regular) RemoveFile(path);
  return written;
}

}  // namespace quillane::cli
