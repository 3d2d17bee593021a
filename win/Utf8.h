#pragma once

#include <string>
#include <string_view>

// Text inside the program is UTF-8; the system's wide-character calls get and give UTF-16.
std::wstring WideOfUtf8(std::string_view utf8);
std::string Utf8OfWide(std::wstring_view wide);
