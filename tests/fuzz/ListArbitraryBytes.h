#pragma once

// Arbitrary bytes through everything quillane-dir runs: the image is a real file (a memfd)
// opened by path, classified and walked by ListImage, and printed by every output form, the
// sanitizers watching. The body of the fuzz target, also run over the committed seeds by the
// tests. Every 32 bytes of the input are also an entry whose quick row must match the row by
// LIST's rules.
//
// Input: a control byte; with bit 7, three bytes of image size (big end first, up to 256 KiB);
// then 256-byte sectors. The first is track 18 sector 0 (BAM, disk name, extended BAM), the
// second goes to 18/1, and each further one where the one before links (its first two bytes, in
// the 40-track geometry), so the input follows the directory chain wherever it leads. The
// mapping ends where the chain leaves the image or comes back. The rest of the image is zeros.
//   bits 0-1  size without bit 7: 174848, 175531, 196608, 197376
//   bits 2-3  crosslink answer: 0 abort, 1 list, 2-3 list-once
//   bits 4-6  layout answer: 1-4 that layout, else cancel

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "EntryRowCheck.h"
#include "RunLister.h"
#include "SectorOffsetTable.h"

namespace quillane::test {

// The image the input maps to, in a memfd (-1 when the input is too short), and the control byte.
inline int ImageOfArbitraryBytes(const std::uint8_t* data, std::size_t size,
                                 std::uint8_t* control_out) {
  constexpr std::int64_t kSizes[] = {174848, 175531, 196608, 197376};
  constexpr std::int64_t kSector = 256;
  if (size == 0) return -1;
  // Every 32 bytes of the input as a directory entry: the quick row held to the one by the rules.
  for (std::size_t at = 0; at + 32 <= size; ++at) {
    if (!QuickRowDiffers(data + at).empty()) std::abort();
  }
  const std::uint8_t control = *data++;
  *control_out = control;
  --size;
  std::int64_t image_size = kSizes[control & 3];
  if (control & 0x80) {
    if (size < 3) return -1;
    image_size = (data[0] << 16 | data[1] << 8 | data[2]) & 0x3FFFF;
    data += 3;
    size -= 3;
  }

  const int fd = ::memfd_create("fuzz.d64", MFD_CLOEXEC);
  if (fd < 0 || ::ftruncate(fd, image_size) != 0) std::abort();
  std::vector<std::int32_t> visited;
  for (std::int32_t at = 0x16500; size > 0 && at >= 0 && at + kSector <= image_size;) {
    const auto count = std::min<std::size_t>(size, kSector);
    if (::pwrite(fd, data, count, at) != static_cast<ssize_t>(count)) std::abort();
    visited.push_back(at);
    at = visited.size() == 1 ? SectorOffset(18, 1, GeometryMode::SpeedDOS)
         : count < 2         ? -1
                             : SectorOffset(data[0], data[1], GeometryMode::SpeedDOS);
    if (std::find(visited.begin(), visited.end(), at) != visited.end()) break;
    data += count;
    size -= count;
  }
  return fd;
}

// Lists the paths through every output form, each twice, answering as the control byte says.
inline void ListThroughEveryForm(std::vector<std::string> paths, std::uint8_t control) {
  // Every output form, each over the image twice, written where nothing is kept.
  static const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  cli::OutputFile out(null), err(null);
  cli::CliOptions options;
  options.images = std::move(paths);
  options.crosslinks = static_cast<cli::CrosslinkAnswer>(std::min((control >> 2) & 3, 2));
  const int layout = (control >> 4) & 7;  // 5-7 cancel, as 0 does
  options.layout = layout <= 4 ? static_cast<GeometryMode>(layout) : GeometryMode::NotListable;
  options.color = cli::ColorChoice::Always;
  for (const cli::OutputForm form :
       {cli::OutputForm::Text, cli::OutputForm::Dump, cli::OutputForm::Json}) {
    // ANSI text in one character set, the catalogue's Unicode texts in the other.
    options.form = form;
    options.charset = form == cli::OutputForm::Text ? Charset::UpperLower : Charset::UpperGraphics;
    if (cli::RunLister(options, false, out, err) > cli::kExitNotListable) std::abort();
  }
}

inline void ListArbitraryBytes(const std::uint8_t* data, std::size_t size) {
  std::uint8_t control = 0;
  const int fd = ImageOfArbitraryBytes(data, size, &control);
  if (fd < 0) return;
  const std::string path = "/proc/self/fd/" + std::to_string(fd);
  ListThroughEveryForm({path, path}, control);
  ::close(fd);
}

}  // namespace quillane::test
