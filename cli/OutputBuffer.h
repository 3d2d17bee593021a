#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>

namespace quillane::cli {

// Bytes gathered for one write, written in place: a writer asks for room for at most n bytes,
// puts its bytes there and tells where it stopped. The room is not filled beforehand and is
// kept when the buffer is cleared, so a printer that refills it for every image allocates only
// while its longest output grows.
class OutputBuffer {
 public:
  // Room for n bytes after the end: where they start.
  char* Room(std::size_t n) {
    if (capacity_ - size_ < n) Grow(n);
    return data_.get() + size_;
  }
  // Where the writing in the room last asked for stopped.
  void Commit(const char* end) { size_ = static_cast<std::size_t>(end - data_.get()); }

  OutputBuffer& operator+=(std::string_view bytes) {
    Commit(std::copy(bytes.begin(), bytes.end(), Room(bytes.size())));
    return *this;
  }
  OutputBuffer& operator+=(char c) {
    *Room(1) = c;
    ++size_;
    return *this;
  }

  std::size_t Size() const { return size_; }
  void Truncate(std::size_t size) { size_ = std::min(size_, size); }
  void Clear() { size_ = 0; }
  std::string_view View() const { return {data_.get(), size_}; }

 private:
  void Grow(std::size_t n) {
    capacity_ = std::max({2 * capacity_, size_ + n, std::size_t{4096}});
    std::unique_ptr<char[]> grown = std::make_unique_for_overwrite<char[]>(capacity_);
    std::copy_n(data_.get(), size_, grown.get());
    data_ = std::move(grown);
  }

  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace quillane::cli
