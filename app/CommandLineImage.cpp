#include "CommandLineImage.h"

#include <sys/stat.h>

#ifdef QL_WITH_ARCHIVES
#include "ArchiveNames.h"
#endif

std::string PathExtension(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return path.substr(dot);
}

std::string CommandLineImage(const CommandLine& arguments) {
  if (arguments.size() < 2) return {};
  const std::string& path = arguments[1];
  std::string extension = PathExtension(path);
  for (char& c : extension) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  // stat() follows links and only asks the file system; nothing is opened here.
  struct stat status {};
  const bool exists = stat(path.c_str(), &status) == 0;
#ifdef QL_WITH_ARCHIVES
  // A .d64.gz file, or an image member inside an archive ("release.zip/side1.d64"), whose
  // archive is a regular file.
  if (quillane::archive::IsCompressedImageName(path)) extension = ".D64";
  quillane::archive::MemberPath member;
  if (!exists && quillane::archive::IsImageName(path) &&
      quillane::archive::SplitMemberPath(path, &member)) {
    return path;
  }
#endif
  if (extension != ".D64") return {};
  if (!exists || !S_ISREG(status.st_mode)) return {};
  return path;
}
