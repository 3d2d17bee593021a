#include "GlyphSource.h"

#include <fstream>
#include <sstream>

namespace quillane::test {
namespace {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<int> ParseCode(const std::string& text) {
  if (text.size() != 4 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return {};
  try {
    const int code = std::stoi(text.substr(2), nullptr, 16);
    if (code >= 0 && code < 128) return code;
  } catch (const std::exception&) {
  }
  return {};
}

std::optional<GlyphSet> ReadGlyphSourceAt(const std::string& path, int depth, std::string* error) {
  std::ifstream in(path);
  if (!in) {
    *error = path + ": cannot be read";
    return {};
  }
  if (depth > 4) {
    *error = path + ": references nest too deeply";
    return {};
  }
  const std::string folder = path.substr(0, path.find_last_of('/') + 1);
  GlyphSet glyphs{};
  std::array<bool, 128> drawn{};
  int pending = -1;  // screen code whose rows are being read
  int rowsRead = 0;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::string where = path + ":" + std::to_string(number) + ": ";
    line = Trim(line);
    if (line.empty() || line[0] == ';') continue;
    if (pending >= 0) {
      if (line.size() != 8 || line.find_first_not_of("#.") != std::string::npos) {
        *error = where + "bad pixel row '" + line + "'";
        return {};
      }
      std::uint8_t bits = 0;
      for (char c : line) bits = static_cast<std::uint8_t>((bits << 1) | (c == '#' ? 1 : 0));
      glyphs[pending][rowsRead++] = bits;
      if (rowsRead == 8) pending = -1;
      continue;
    }
    std::istringstream header(line);
    std::string codeText, name, equals, set, otherText;
    header >> codeText >> name >> equals >> set >> otherText;
    const std::optional<int> code = ParseCode(codeText);
    if (!code || name.empty() || drawn[*code]) {
      *error = where + "bad or repeated header '" + line + "'";
      return {};
    }
    drawn[*code] = true;
    if (equals.empty()) {
      pending = *code;
      rowsRead = 0;
      continue;
    }
    const std::optional<int> other = ParseCode(otherText);
    if (equals != "=" || set.empty() || !other) {
      *error = where + "bad reference '" + line + "'";
      return {};
    }
    const std::optional<GlyphSet> shared =
        ReadGlyphSourceAt(folder + set + ".glyphs", depth + 1, error);
    if (!shared) return {};
    glyphs[*code] = (*shared)[*other];
  }
  if (pending >= 0) {
    *error = path + ": the last character has fewer than 8 rows";
    return {};
  }
  for (int code = 0; code < 128; ++code) {
    if (!drawn[code]) {
      *error = path + ": screen code " + std::to_string(code) + " is not drawn";
      return {};
    }
  }
  return glyphs;
}

}  // namespace

std::optional<GlyphSet> ReadGlyphSource(const std::string& path, std::string* error) {
  return ReadGlyphSourceAt(path, 0, error);
}

}  // namespace quillane::test
