#pragma once

#include <string>
#include <string_view>
#include <vector>

// The image a window lists at start, from its command line.

// The arguments of a command line as one string (Windows hands a program its whole command
// line, the program's own name first): blanks (spaces, tabs and other control characters)
// separate arguments, and double quotes group blanks into an argument and are removed. A
// backslash is an ordinary character, so `"C:\My Disks\" demo.d64` is two arguments. The text
// is UTF-8; every byte the rule looks at is ASCII, so no character is split.
std::vector<std::string> SplitCommandLine(std::string_view line);

// The extension of a path: from its last "." on, when that "." comes after every separator
// (the characters of `separators`: "/" on Linux, "\" and ":" on Windows); empty otherwise.
// "games/disk.d64" gives ".d64", "disk.d64.bak" gives ".bak", "v1.2/disk" gives "".
std::string_view PathExtension(std::string_view path, std::string_view separators);

// True when the extension of path, upper-cased (ASCII letters only), is exactly ".D64".
bool HasImageExtension(std::string_view path, std::string_view separators);

// The first argument after the program's own name, when it has the image extension and
// is_regular_file says it names an existing file that is not a folder; empty otherwise. Further
// arguments are ignored. The existence test runs last, so a name with another extension is
// never looked up.
std::string ImageArgument(const std::vector<std::string>& arguments, std::string_view separators,
                          bool (*is_regular_file)(const std::string& path));
