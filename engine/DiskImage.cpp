#include "DiskImage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <utility>

namespace quillane {

DiskImage::~DiskImage() {
  Close();
}

DiskImage::DiskImage(DiskImage&& other) noexcept {
  MoveFrom(other);
}

DiskImage& DiskImage::operator=(DiskImage&& other) noexcept {
  if (this != &other) {
    Close();
    MoveFrom(other);
  }
  return *this;
}

void DiskImage::MoveFrom(DiskImage& other) noexcept {
  fd_ = std::exchange(other.fd_, -1);
  memory_backed_ = std::exchange(other.memory_backed_, false);
  memory_ = std::move(other.memory_);
  size_ = std::exchange(other.size_, 0);
  position_ = std::exchange(other.position_, 0);
  pages_ = std::move(other.pages_);
  next_victim_ = std::exchange(other.next_victim_, 0);
  last_page_ = nullptr;
  ForgetWindow();
  other.ForgetWindow();
  os_read_calls_ = std::exchange(other.os_read_calls_, 0);
  os_bytes_read_ = std::exchange(other.os_bytes_read_, 0);
  other.last_page_ = nullptr;
}

bool DiskImage::Open(const std::string& path, std::string* reason) {
  Close();
  auto fail = [reason](int error) {
    if (reason) *reason = std::strerror(error);
    return false;
  };
  // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; the file type is then
  // checked on the descriptor itself, so nothing can be swapped in between.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return fail(errno);
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    const int error = errno;
    ::close(fd);
    return fail(error);
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    return fail(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
  }
  fd_ = fd;
  size_ = static_cast<std::int64_t>(info.st_size);
  position_ = 0;
  pages_.reserve(kPageSlots);
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
  pages_.clear();
  next_victim_ = 0;
  last_page_ = nullptr;
  ForgetWindow();
}

const DiskImage::Page* DiskImage::FetchPage(std::int64_t index) {
  for (const Page& page : pages_) {
    if (page.index == index) return &page;
  }
  Page* slot = nullptr;
  if (pages_.size() < kPageSlots) {
    slot = &pages_.emplace_back();
  } else {
    slot = &pages_[next_victim_];
    next_victim_ = (next_victim_ + 1) % kPageSlots;
  }
  slot->index = -1;
  slot->length = 0;
  const std::int64_t start = index * kPageSize;
  std::int64_t filled = 0;
  while (filled < kPageSize) {
    const ssize_t got = ::pread(fd_, slot->bytes.data() + filled,
                                static_cast<std::size_t>(kPageSize - filled), start + filled);
    ++os_read_calls_;
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    filled += got;
    os_bytes_read_ += static_cast<std::size_t>(got);
    if (start + filled >= size_) break;
  }
  if (filled == 0) return nullptr;
  slot->index = index;
  slot->length = filled;
  return slot;
}

int DiskImage::ReadByteSlow() {
  ForgetWindow();
  if (position_ < 0 || position_ >= size_) return -1;
  if (memory_backed_) {
    window_ = memory_.data();
    window_start_ = 0;
    window_end_ = size_;
    return memory_[static_cast<std::size_t>(position_++)];
  }
  if (fd_ < 0) return -1;
  const std::int64_t index = position_ / kPageSize;
  if (last_page_ == nullptr || last_page_->index != index) {
    last_page_ = FetchPage(index);
    if (last_page_ == nullptr) return -1;
  }
  const std::int64_t within = position_ - index * kPageSize;
  if (within >= last_page_->length) return -1;  // the file shrank under us
  window_ = last_page_->bytes.data();
  window_start_ = index * kPageSize;
  window_end_ = window_start_ + last_page_->length;
  ++position_;
  return last_page_->bytes[static_cast<std::size_t>(within)];
}

}  // namespace quillane
