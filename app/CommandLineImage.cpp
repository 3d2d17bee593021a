#include "CommandLineImage.h"

#include <sys/stat.h>

#include "ImageArgument.h"

namespace {

// stat() follows links and only asks the file system; nothing is opened here.
bool IsRegularFile(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

std::string CommandLineImage(const CommandLine& arguments) {
  return ImageArgument(arguments, "/", IsRegularFile);
}
