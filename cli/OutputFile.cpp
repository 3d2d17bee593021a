#include "OutputFile.h"

#include <unistd.h>
#include <cerrno>

namespace quillane::cli {

bool OutputFile::Write(std::string_view bytes) {
  while (error_ == 0 && !bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      // A write that takes nothing without an error would take nothing for ever.
      error_ = written < 0 ? errno : EIO;
      break;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return error_ == 0;
}

bool OutputFile::Close() {
  if (fd_ >= 0 && ::close(fd_) != 0 && error_ == 0 && errno != EINTR) error_ = errno;
  fd_ = -1;
  return error_ == 0;
}

}  // namespace quillane::cli
