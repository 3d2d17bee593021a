#include "CommandLineImage.h"

#include <sys/stat.h>

#include "ImageArgument.h"
#ifdef QL_WITH_ARCHIVES
#include "ArchiveNames.h"
#endif

namespace quillane::app {

namespace {

// stat() follows links and only asks the file system; nothing is opened here.
bool IsRegularFile(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

std::string CommandLineImage(const CommandLine& arguments) {
#ifdef QL_WITH_ARCHIVES
  // A .d64.gz file, or an image member inside an archive ("release.zip/side1.d64"), whose
  // archive is a regular file (so the whole path cannot be one).
  if (arguments.size() >= 2) {
    const std::string& path = arguments[1];
    if (quillane::archive::IsCompressedImageName(path)) return IsRegularFile(path) ? path : "";
    quillane::archive::MemberPath member;
    if (quillane::archive::IsImageName(path) && quillane::archive::SplitMemberPath(path, &member))
      return path;
  }
#endif
  return ImageArgument(arguments, "/", IsRegularFile);
}

}  // namespace quillane::app
