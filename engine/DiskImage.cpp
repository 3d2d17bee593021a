#include "DiskImage.h"

#include <utility>

namespace quillane {
namespace {

// The failure of a file that ended before the size it had when it was opened.
constexpr int kShrank = -1;
// A read that failed without saying why.
constexpr int kUnknownError = -2;

}  // namespace

DiskImage::~DiskImage() {
  Close();
}

DiskImage::DiskImage(DiskImage&& other) noexcept {
  *this = std::move(other);
}

DiskImage& DiskImage::operator=(DiskImage&& other) noexcept {
  if (this == &other) return *this;
  Close();
  file_ = std::exchange(other.file_, kNoFile);
  read_at_ = other.read_at_;
  memory_backed_ = std::exchange(other.memory_backed_, false);
  memory_ = std::move(other.memory_);
  size_ = std::exchange(other.size_, 0);
  position_ = std::exchange(other.position_, 0);
  error_ = std::exchange(other.error_, 0);
  // The block is read again when needed.
  other.block_start_ = -1;
  other.ForgetWindow();
  return *this;
}

Outcome DiskImage::Open(const std::string& path) {
  Close();
  Outcome opened = OpenReadOnly(path, &file_, &size_);
  if (!opened) {
    file_ = kNoFile;
    size_ = 0;
  }
  return opened;
}

DiskImage DiskImage::FromBytes(std::vector<std::uint8_t> bytes) {
  DiskImage image;
  image.memory_backed_ = true;
  image.size_ = static_cast<std::int64_t>(bytes.size());
  image.memory_ = std::move(bytes);
  return image;
}

void DiskImage::Close() {
  if (file_ != kNoFile) CloseFile(file_);
  file_ = kNoFile;
  memory_backed_ = false;
  memory_.clear();
  size_ = 0;
  position_ = 0;
  error_ = 0;
  block_start_ = -1;
  ForgetWindow();
}

std::string DiskImage::FailureReason() const {
  if (error_ == 0) return {};
  if (error_ == kShrank) return "the file shrank while it was read";
  if (error_ == kUnknownError) return "Input/output error";
  return ErrorText(error_);
}

bool DiskImage::FetchBlock(std::int64_t start) {
  block_start_ = -1;
  // The size the image was classified with says how many bytes the block must hold.
  const std::int64_t expected = std::min(kBlockSize, size_ - start);
  std::int64_t filled = 0;
  while (filled < expected) {
    int error = 0;
    const std::int64_t got =
        read_at_(file_, block_.data() + filled, static_cast<std::size_t>(expected - filled),
                 start + filled, &error);
    if (got <= 0) {
      // A failure without a code still fails; kShrank is never a system's code.
      error_ = got < 0 ? error : kShrank;
      if (error_ == 0) error_ = kUnknownError;
      return false;
    }
    filled += got;
  }
  block_start_ = start;
  block_length_ = expected;
  return true;
}

int DiskImage::ReadByteSlow() {
  ForgetWindow();
  if (position_ < 0 || position_ >= size_ || error_ != 0) return -1;
  if (memory_backed_) {
    window_ = memory_.data();
    window_end_ = size_;
  } else {
    if (file_ == kNoFile) return -1;
    const std::int64_t start = position_ / kSectorSize * kSectorSize;
    if (start != block_start_ && !FetchBlock(start)) return -1;
    window_ = block_.data();
    window_start_ = block_start_;
    window_end_ = block_start_ + block_length_;
  }
  return window_[position_++ - window_start_];
}

const std::uint8_t* DiskImage::BytesAtSlow(std::int64_t offset, std::int64_t count) {
  // A block starts at the sector of the byte that made it come: a run within a sector is then
  // in hand whole, unless the image ends inside it.
  position_ = offset;
  if (ReadByteSlow() < 0) return nullptr;
  if (count > window_end_ - offset) return nullptr;
  position_ = offset + count;
  return window_ + (offset - window_start_);
}

}  // namespace quillane
