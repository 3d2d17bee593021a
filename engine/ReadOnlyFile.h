#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "Outcome.h"

namespace quillane {

// The operating system's side of an image file, one small source file per system
// (ReadOnlyFilePosix.cpp, ReadOnlyFileWindows.cpp): a regular file opened read-only, its size,
// positioned reads and the words for an error. Paths are UTF-8 on every system.
using FileHandle = std::intptr_t;
inline constexpr FileHandle kNoFile = -1;

// Opens a regular file for reading without blocking (not even on a FIFO) and without keeping
// other programs from reading or writing it; a failure says why, for anything else.
Outcome OpenReadOnly(const std::string& path, FileHandle* handle, std::int64_t* size);

// Reads up to count bytes at offset: how many were read, 0 at the end of the file, or -1 with
// the system's error code in *error. An interrupted call is carried on here.
std::int64_t ReadFileAt(FileHandle handle, void* buffer, std::size_t count, std::int64_t offset,
                        int* error);

void CloseFile(FileHandle handle);

// The system's words for an error code that ReadFileAt gave.
std::string ErrorText(int error);

}  // namespace quillane
