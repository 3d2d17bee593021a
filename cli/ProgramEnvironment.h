#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace quillane::cli {

// What quillane-dir asks of the operating system besides the image file, one small source file
// per system (ProgramEnvironmentPosix.cpp, ProgramEnvironmentWindows.cpp).

// The arguments after the program's name, in UTF-8.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Readies the three standard streams for raw bytes; true when standard output was closed (an
// output failure for a run that writes to it).
bool PrepareStandardStreams();

// Whether standard output is a terminal that shows ANSI colour escapes.
bool OutputShowsColor();

// Whether two paths name the same existing file.
bool SameFile(const std::string& a, const std::string& b);

// Opens a file for writing a picture, truncating it; null with errno set when it cannot be.
std::FILE* OpenForWriting(const std::string& path);

// Whether an open file is a regular file (which a failed write may then remove).
bool IsRegularFile(std::FILE* file);

// Removes a file by its path.
void RemoveFile(const std::string& path);

}  // namespace quillane::cli
