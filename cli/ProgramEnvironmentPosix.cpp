#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ProgramEnvironment.h"

namespace quillane::cli {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

bool PrepareStandardStreams() {
  // A standard stream that was closed would be the descriptor of the next file opened, an
  // image among them: park it on /dev/null.
  const bool out_closed = ::fcntl(STDOUT_FILENO, F_GETFD) < 0;
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (::fcntl(fd, F_GETFD) < 0) ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
  }
  return out_closed;
}

bool OutputShowsColor() {
  return ::isatty(STDOUT_FILENO) == 1;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::FILE* OpenForWriting(const std::string& path) {
  return std::fopen(path.c_str(), "wb");
}

bool IsRegularFile(std::FILE* file) {
  struct stat status {};
  return ::fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode);
}

void RemoveFile(const std::string& path) {
  std::remove(path.c_str());
}

}  // namespace quillane::cli
