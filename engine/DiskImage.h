#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quillane {

// One .D64 file opened read-only, read one byte at a time through a position.
//
// Every reader of the engine seeks and reads single bytes; nothing ever reads the image whole.
// Underneath, bytes are fetched from the operating system in aligned pages that are kept for
// the life of the object, so a listing reads each byte of the file at most once (a standard
// directory lives on track 18, which two pages cover).
//
// Nothing here reports an error: a read at or past the end gives -1.
class DiskImage {
 public:
  // An image that holds nothing: every read gives -1 and the size is 0.
  DiskImage() = default;
  ~DiskImage();
  DiskImage(DiskImage&& other) noexcept;
  DiskImage& operator=(DiskImage&& other) noexcept;
  DiskImage(const DiskImage&) = delete;
  DiskImage& operator=(const DiskImage&) = delete;

  // Opens a regular file read-only. Anything else (missing file, folder, FIFO, device, socket,
  // no permission) cannot be opened: false, and errno-style text in *reason when given.
  // Opening never blocks, not even on a FIFO.
  bool Open(const std::string& path, std::string* reason = nullptr);

  // An image over bytes held in memory (tests, fuzzing).
  static DiskImage FromBytes(std::vector<std::uint8_t> bytes);

  void Close();
  bool IsOpen() const { return fd_ >= 0 || memory_backed_; }

  void SeekTo(std::int64_t offset) { position_ = offset; }
  void SeekBy(std::int64_t count) { position_ += count; }
  std::int64_t Position() const { return position_; }

  // The byte at the position (0-255), advancing the position; -1 at or past the end (and
  // before the start), leaving the position where it is.
  int ReadByte() {
    // Every reader of the engine comes through here byte by byte: bytes of the page read last
    // are served inline, anything else by the full path.
    if (position_ >= window_start_ && position_ < window_end_) {
      return window_[position_++ - window_start_];
    }
    return ReadByteSlow();
  }

  // Length of the file in bytes, taken from the file system without reading the file.
  std::int64_t ImageSize() const { return size_; }

  // How many read calls went to the operating system, and how many bytes they returned.
  std::size_t OsReadCalls() const { return os_read_calls_; }
  std::size_t OsBytesRead() const { return os_bytes_read_; }

 private:
  static constexpr std::int64_t kPageSize = 4096;
  static constexpr std::size_t kPageSlots = 16;

  struct Page {
    std::int64_t index = -1;  // page number in the file, -1 when the slot is free
    std::int64_t length = 0;  // bytes valid (the last page of a file is short)
    std::array<std::uint8_t, kPageSize> bytes{};
  };

  const Page* FetchPage(std::int64_t index);
  int ReadByteSlow();
  void ForgetWindow() {
    window_ = nullptr;
    window_start_ = 0;
    window_end_ = 0;
  }
  void MoveFrom(DiskImage& other) noexcept;

  int fd_ = -1;
  bool memory_backed_ = false;
  std::vector<std::uint8_t> memory_;
  std::int64_t size_ = 0;
  std::int64_t position_ = 0;
  std::vector<Page> pages_;  // grows up to kPageSlots, then slots are reused in turn
  std::size_t next_victim_ = 0;
  const Page* last_page_ = nullptr;
  // The bytes ReadByte serves inline: file offsets window_start_ to window_end_ - 1.
  const std::uint8_t* window_ = nullptr;
  std::int64_t window_start_ = 0;
  std::int64_t window_end_ = 0;
  std::size_t os_read_calls_ = 0;
  std::size_t os_bytes_read_ = 0;
};

}  // namespace quillane
