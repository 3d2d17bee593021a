#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "ReadOnlyFile.h"

namespace quillane {

Outcome OpenReadOnly(const std::string& path, FileHandle* handle, std::int64_t* size) {
  // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; the file type is then
  // checked on the descriptor itself, so nothing can be swapped in between.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return Outcome::Failure(std::strerror(errno));
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    Outcome failed = Outcome::Failure(std::strerror(errno));
    ::close(fd);
    return failed;
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    return Outcome::Failure(S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "not a regular file");
  }
  *handle = fd;
  *size = static_cast<std::int64_t>(info.st_size);
  return Outcome::Success();
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
