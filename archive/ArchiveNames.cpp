#include "ArchiveNames.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace quillane::archive {
namespace {

bool EndsWithNoCase(std::string_view name, std::string_view tail) {
  if (name.size() < tail.size()) return false;
  name.remove_prefix(name.size() - tail.size());
  for (std::size_t i = 0; i < tail.size(); ++i) {
    char c = name[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != tail[i]) return false;
  }
  return true;
}

// Endings in lower case; libarchive finds the format and compression from the bytes.
constexpr std::array<std::string_view, 15> kArchiveEndings{
    ".zip",    ".7z",  ".rar",     ".tar",  ".tar.gz", ".tgz", ".tar.bz2", ".tbz2",
    ".tar.xz", ".txz", ".tar.zst", ".tzst", ".tar.lz", ".tbz", ".tar.lzma"};

}  // namespace

bool IsImageName(std::string_view name) {
  return EndsWithNoCase(name, ".d64");
}

bool IsCompressedImageName(std::string_view name) {
  return EndsWithNoCase(name, ".d64.gz");
}

bool IsArchiveName(std::string_view name) {
  for (std::string_view ending : kArchiveEndings) {
    if (EndsWithNoCase(name, ending)) return true;
  }
  return false;
}

std::string_view UnsafeNameReason(std::string_view name) {
  if (name.empty()) return "member without a name";
  if (name.front() == '/') return "member name is an absolute path";
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\\') return "member name holds a backslash";
    if (byte < 0x20 || byte == 0x7F) return "member name holds a control character";
  }
  for (std::size_t start = 0; start <= name.size();) {
    std::size_t end = name.find('/', start);
    if (end == std::string_view::npos) end = name.size();
    if (name.substr(start, end - start) == "..") return "member name climbs out with \"..\"";
    start = end + 1;
  }
  return {};
}

bool SplitMemberPath(const std::string& path, MemberPath* split) {
  for (std::size_t slash = path.rfind('/'); slash != std::string::npos && slash > 0;
       slash = path.rfind('/', slash - 1)) {
    const std::string prefix = path.substr(0, slash);
    std::error_code error;
    if (!IsArchiveName(prefix) || !std::filesystem::is_regular_file(prefix, error)) continue;
    split->archive = prefix;
    split->member = path.substr(slash + 1);
    return true;
  }
  return false;
}

}  // namespace quillane::archive
