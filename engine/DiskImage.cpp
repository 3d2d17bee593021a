#include "DiskImage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace quillane {
namespace {

// The failure of a file that ended before the size it had when it was opened.
constexpr int kShrank = -1;

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
  fd_ = std::exchange(other.fd_, -1);
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

bool DiskImage::Open(const std::string& path, std::string* reason) {
  Close();
  auto fail = [reason](const char* why) {
    if (reason) *reason = why;
    return false;
  };
  // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; the file type is then
  // checked on the descriptor itself, so nothing can be swapped in between.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return fail(std::strerror(errno));
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    const int error = errno;
    ::close(fd);
    return fail(std::strerror(error));
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    return fail(S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "not a regular file");
  }
  fd_ = fd;
  size_ = static_cast<std::int64_t>(info.st_size);
  return true;
}

DiskImage DiskImage::FromBytes(std::vector<std::uint8_t> bytes) {
  DiskImage image;
  image.memory_backed_ = true;
  image.size_ = static_cast<std::int64_t>(bytes.size());
  image.memory_ = std::move(bytes);
  return image;
}

void DiskImage::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
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
  return std::strerror(error_);
}

bool DiskImage::FetchBlock(std::int64_t start) {
  block_start_ = -1;
  // The size the image was classified with says how many bytes the block must hold.
  const std::int64_t expected = std::min(kBlockSize, size_ - start);
  std::int64_t filled = 0;
  while (filled < expected) {
    const ssize_t got = read_at_(fd_, block_.data() + filled,
                                 static_cast<std::size_t>(expected - filled), start + filled);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      error_ = got < 0 ? errno : kShrank;
      if (error_ == 0) error_ = EIO;
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
    if (fd_ < 0) return -1;
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
