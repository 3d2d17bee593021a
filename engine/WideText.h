#pragma once

// UTF-8 <-> UTF-16 for the calls of Windows, which take and give UTF-16 in their wide forms.
// Inside the program every text is UTF-8.
#include <windows.h>

#include <string>

namespace quillane {

// False for bytes that are not UTF-8: no file can have such a name.
inline bool Widen(const std::string& text, std::wstring* wide) {
  wide->clear();
  if (text.empty()) return true;
  const int length = static_cast<int>(text.size());
  const int units =
      ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
  if (units <= 0) return false;
  wide->resize(static_cast<std::size_t>(units));
  return ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, wide->data(),
                               units) == units;
}

// Unpaired surrogates become U+FFFD.
inline std::string Narrow(const wchar_t* wide, int units) {
  std::string text;
  if (units <= 0) return text;
  const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, wide, units, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return text;
  text.resize(static_cast<std::size_t>(bytes));
  ::WideCharToMultiByte(CP_UTF8, 0, wide, units, text.data(), bytes, nullptr, nullptr);
  return text;
}

}  // namespace quillane
