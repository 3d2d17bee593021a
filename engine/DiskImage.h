#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "Outcome.h"
#include "ReadOnlyFile.h"

namespace quillane {

// One .D64 file opened read-only, read a byte (or a short run of bytes) at a time through a
// position. Every reader of the engine seeks and reads single bytes or a field of a few bytes;
// nothing ever reads the image whole.
//
// Underneath, bytes come from the operating system in blocks of two tracks' worth (9.5 KiB), one
// block held at a time, each starting at the sector of the first byte asked for. The listing
// starts at the BAM, track 18 sector 0, so one read call brings tracks 18 and 19: the BAM and
// every directory sector, a standard one on track 18 or one that runs on into track 19.
//
// A read at or past the end (or before the start) gives -1. So does every read once the file
// has failed: an error of the operating system, or the file ending before the size it had when
// it was opened (another program rewrote it). Failed() tells the two apart from the end.
namespace test {
struct DiskImageReads;
}

class DiskImage {
 public:
  DiskImage() = default;
  ~DiskImage();
  DiskImage(DiskImage&& other) noexcept;
  DiskImage& operator=(DiskImage&& other) noexcept;
  DiskImage(const DiskImage&) = delete;
  DiskImage& operator=(const DiskImage&) = delete;

  // Opens a regular file read-only. Anything else (missing file, folder, FIFO, device, socket,
  // no permission) cannot be opened: a failure with the reason. Opening never blocks, not even
  // on a FIFO.
  Outcome Open(const std::string& path);

  // An image over bytes held in memory: an image read out of an archive, or built by a test.
  static DiskImage FromBytes(std::vector<std::uint8_t> bytes);

  void Close();
  bool IsOpen() const { return file_ != kNoFile || memory_backed_; }

  void SeekTo(std::int64_t offset) { position_ = offset; }
  void SeekBy(std::int64_t count) { position_ += count; }

  // The byte at the position (0-255), advancing the position; -1 at or past the end (and
  // before the start), leaving the position where it is.
  int ReadByte() {
    // Bytes of the block in hand are served inline, anything else by the full path.
    if (position_ >= window_start_ && position_ < window_end_) {
      return window_[position_++ - window_start_];
    }
    return ReadByteSlow();
  }

  // Reads out.size() bytes as that many ReadByte calls would; stops at the end of the image and
  // returns how many bytes were read.
  std::size_t ReadBytes(std::span<std::uint8_t> out) {
    const auto count = static_cast<std::int64_t>(out.size());
    if (position_ >= window_start_ && count <= window_end_ - position_) {
      std::copy_n(window_ + (position_ - window_start_), count, out.begin());
      position_ += count;
      return out.size();
    }
    std::size_t read = 0;
    for (std::uint8_t& b : out) {
      const int got = ReadByte();
      if (got < 0) break;
      b = static_cast<std::uint8_t>(got);
      ++read;
    }
    return read;
  }

  // The same for a field of a size known when compiling, copied in one piece when it lies in the
  // bytes at hand.
  template <std::size_t N>
  std::size_t ReadBytes(std::array<std::uint8_t, N>& out) {
    if (position_ >= window_start_ && static_cast<std::int64_t>(N) <= window_end_ - position_) {
      std::memcpy(out.data(), window_ + (position_ - window_start_), N);
      position_ += static_cast<std::int64_t>(N);
      return N;
    }
    return ReadBytes(std::span<std::uint8_t>(out));
  }

  // The count bytes at offset, for a reader that takes a run of them in one piece, such as a
  // whole sector; null when any of them lies outside the image or cannot be read. They stay
  // valid until the next read. The position is left behind them.
  const std::uint8_t* BytesAt(std::int64_t offset, std::size_t count) {
    const auto length = static_cast<std::int64_t>(count);
    if (offset >= window_start_ && length <= window_end_ - offset) {
      position_ = offset + length;
      return window_ + (offset - window_start_);
    }
    return BytesAtSlow(offset, length);
  }

  // Length of the file in bytes when it was opened, taken from the file system.
  std::int64_t ImageSize() const { return size_; }

  // Whether a read of the file failed, and why ("Input/output error", ...).
  bool Failed() const { return error_ != 0; }
  std::string FailureReason() const;

 private:
  // The tests' stand-in for the operating system's reads (tests/support/DiskImageReads.h).
  friend struct test::DiskImageReads;
  // How bytes are fetched from the open file, with ReadFileAt's contract.
  using ReadAt = std::int64_t (*)(FileHandle file, void* buffer, std::size_t count,
                                  std::int64_t offset, int* error);

  static constexpr std::int64_t kSectorSize = 256;
  static constexpr std::int64_t kBlockSize = 2 * 19 * kSectorSize;  // tracks 18 and 19

  bool FetchBlock(std::int64_t start);
  int ReadByteSlow();
  const std::uint8_t* BytesAtSlow(std::int64_t offset, std::int64_t count);
  void ForgetWindow() {
    window_ = nullptr;
    window_start_ = 0;
    window_end_ = 0;
  }

  FileHandle file_ = kNoFile;
  ReadAt read_at_ = ReadFileAt;
  bool memory_backed_ = false;
  std::vector<std::uint8_t> memory_;
  std::int64_t size_ = 0;
  std::int64_t position_ = 0;
  int error_ = 0;  // the system's error code of the failed read, or kShrank
  // The block read last: file offsets block_start_ to block_start_ + block_length_ - 1.
  std::int64_t block_start_ = -1;
  std::int64_t block_length_ = 0;
  std::array<std::uint8_t, kBlockSize> block_;  // filled by the read; never read beyond it
  // The bytes ReadByte serves inline: file offsets window_start_ to window_end_ - 1.
  const std::uint8_t* window_ = nullptr;
  std::int64_t window_start_ = 0;
  std::int64_t window_end_ = 0;
};

}  // namespace quillane
