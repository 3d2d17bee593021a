#include "CommandLineImage.h"

#include <sys/stat.h>

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
  if (extension != ".D64") return {};
  // stat() follows links and only asks the file system; nothing is opened here.
  struct stat status {};
  if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return {};
  return path;
}
