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

Outcome PngListing::WritePicture(const CliOptions& options, const std::string& image) const {
  if (SameFile(options.png, image))
    return Outcome::Failure("is the disk image itself; not overwritten");
  std::vector<ListingRow> rows;
  rows.reserve(texts_.size());
  for (std::size_t r = 0; r < texts_.size(); ++r) rows.push_back({texts_[r], bits_[r]});
  RgbImage picture = RenderListing(rows, options.charset, options.scale);
  if (options.png_size > 0) picture = FitInto(picture, options.png_size);
  return WritePng(picture, options.png);
}

Outcome WritePng(const RgbImage& picture, const std::string& path) {
  if (picture.Empty()) return Outcome::Failure("nothing to draw");
  std::FILE* file = OpenForWriting(path);
  if (file == nullptr) return Outcome::Failure(std::strerror(errno));
  PngSink sink{file};
  Outcome written = Outcome::Success();
  if (stbi_write_png_to_func(WriteToSink, &sink, picture.width, picture.height, 3,
                             picture.pixels.data(), picture.width * 3) == 0) {
    written = Outcome::Failure("the picture could not be encoded");
  } else if (sink.error != 0) {
    written = Outcome::Failure(std::strerror(sink.error));
  } else if (std::fflush(file) != 0 || std::ferror(file) != 0) {
    // A full disk may show only when the buffered end of the file goes out.
    written = Outcome::Failure(std::strerror(errno));
  }
  const bool regular = IsRegularFile(file);
  if (std::fclose(file) != 0 && written) written = Outcome::Failure(std::strerror(errno));
  if (!written && regular) RemoveFile(path);
  return written;
}

}  // namespace quillane::cli
