#include <windows.h>

#include <cwchar>

#include "ReadOnlyFile.h"
#include "WideText.h"

namespace quillane {
namespace {

HANDLE AsHandle(FileHandle handle) {
  return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

Outcome OpenReadOnly(const std::string& path, FileHandle* handle, std::int64_t* size) {
  std::wstring wide;
  if (!Widen(path, &wide) || wide.empty()) return Outcome::Failure(ErrorText(ERROR_FILE_NOT_FOUND));
  // Other programs may go on reading and writing the file while it is listed.
  const HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    // A folder cannot be opened this way at all; say what it is rather than "access denied".
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    const bool folder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return Outcome::Failure(folder ? "Is a directory" : ErrorText(static_cast<int>(error)));
  }
  BY_HANDLE_FILE_INFORMATION info{};
  LARGE_INTEGER length{};
  // A pipe, a console or a device is no disk image.
  if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || !::GetFileSizeEx(file, &length)) {
    ::CloseHandle(file);
    return Outcome::Failure((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                                ? "Is a directory"
                                : "not a regular file");
  }
  *handle = reinterpret_cast<FileHandle>(file);
  *size = static_cast<std::int64_t>(length.QuadPart);
  return Outcome::Success();
}

std::int64_t ReadFileAt(FileHandle handle, void* buffer, std::size_t count, std::int64_t offset,
                        int* error) {
  // The offset travels with the call, as pread's does; the handle's own position is not used.
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(static_cast<std::uint64_t>(offset) & 0xFFFFFFFFu);
  at.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(offset) >> 32);
  const DWORD asked = count > 0x40000000u ? 0x40000000u : static_cast<DWORD>(count);
  DWORD got = 0;
  if (::ReadFile(AsHandle(handle), buffer, asked, &got, &at)) return got;
  const DWORD failure = ::GetLastError();
  if (failure == ERROR_HANDLE_EOF) return 0;
  *error = static_cast<int>(failure);
  return -1;
}

void CloseFile(FileHandle handle) {
  ::CloseHandle(AsHandle(handle));
}

std::string ErrorText(int error) {
  // The common ones in the same words as on Linux, so that both programs say the same.
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      return "No such file or directory";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return "Permission denied";
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_IO_DEVICE:
      return "Input/output error";
    default:
      break;
  }
  wchar_t* text = nullptr;
  const DWORD units = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message = units > 0 ? Narrow(text, static_cast<int>(units)) : std::string();
  if (text != nullptr) ::LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                              message.back() == '.' || message.back() == ' ')) {
    message.pop_back();
  }
  return message.empty() ? "error " + std::to_string(error) : message;
}

}  // namespace quillane
