#include "ImageArgument.h"

#include <utility>

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> arguments;
  std::size_t at = 0;
  for (;;) {
    while (at < line.size() && static_cast<unsigned char>(line[at]) <= ' ') ++at;
    if (at == line.size()) return arguments;
    std::string argument;
    bool quoted = false;
    for (; at < line.size() && (quoted || static_cast<unsigned char>(line[at]) > ' '); ++at) {
      if (line[at] == '"') {
        quoted = !quoted;
      } else {
        argument += line[at];
      }
    }
    arguments.push_back(std::move(argument));
  }
}

std::string_view PathExtension(std::string_view path, std::string_view separators) {
  const std::size_t dot = path.rfind('.');
  const std::size_t separator = path.find_last_of(separators);
  if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator)) {
    return {};
  }
  return path.substr(dot);
}

bool HasImageExtension(std::string_view path, std::string_view separators) {
  constexpr std::string_view kImageExtension = ".D64";
  const std::string_view extension = PathExtension(path, separators);
  if (extension.size() != kImageExtension.size()) return false;
  for (std::size_t i = 0; i < extension.size(); ++i) {
    char c = extension[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != kImageExtension[i]) return false;
  }
  return true;
}

std::string ImageArgument(const std::vector<std::string>& arguments, std::string_view separators,
                          bool (*is_regular_file)(const std::string& path)) {
  if (arguments.size() < 2) return {};
  const std::string& path = arguments[1];
  if (!HasImageExtension(path, separators) || !is_regular_file(path)) return {};
  return path;
}
