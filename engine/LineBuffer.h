#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace quillane {

// Room for one listing row or a piece of it, held in place. The longest row the walk makes is
// an entry row: a block-count prefix of 7 bytes ("65535  "), a name of 80 bytes (two screen
// lines of LIST output), a blank and a type text of 5 bytes ("*PRG<"), 93 bytes in all.
// Appending beyond the capacity drops the bytes that do not fit.
class LineBuffer {
 public:
  static constexpr std::size_t kCapacity = 96;

  void clear() { size_ = 0; }
  void push_back(char c) {
    if (size_ < kCapacity) bytes_[size_++] = c;
  }
  void append(std::string_view text) {
    const std::size_t count = std::min(text.size(), kCapacity - size_);
    std::copy_n(text.data(), count, bytes_.data() + size_);
    size_ += count;
  }

  // For a writer that fills the buffer column by column: write up to kCapacity bytes through
  // data(), then resize() to the number written.
  char* data() { return bytes_.data(); }
  void resize(std::size_t size) { size_ = std::min(size, kCapacity); }

  std::size_t size() const { return size_; }
  std::string_view view() const { return {bytes_.data(), size_}; }

 private:
  std::array<char, kCapacity> bytes_{};
  std::size_t size_ = 0;
};

}  // namespace quillane
