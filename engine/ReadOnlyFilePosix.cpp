#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "ReadOnlyFile.h"

namespace quillane {

bool OpenReadOnly(const std::string& path, FileHandle* handle, std::int64_t* size,
                  std::string* reason) {
  // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; the file type is then
  // checked on the descriptor itself, so nothing can be swapped in between.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    *reason = std::strerror(errno);
    return false;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    *reason = std::strerror(errno);
    ::close(fd);
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    *reason = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "not a regular file";
    ::close(fd);
    return false;
  }
  *handle = fd;
  *size = static_cast<std::int64_t>(info.st_size);
  return true;
}

std::int64_t ReadFileAt(FileHandle handle, void* buffer, std::size_t count, std::int64_t offset,
                        int* error) {
  for (;;) {
    const ssize_t got = ::pread(static_cast<int>(handle), buffer, count, offset);
    if (got >= 0) return got;
    if (errno == EINTR) continue;
    *error = errno;
    return -1;
  }
}

void CloseFile(FileHandle handle) {
  ::close(static_cast<int>(handle));
}

std::string ErrorText(int error) {
  return std::strerror(error);
}

}  // namespace quillane
