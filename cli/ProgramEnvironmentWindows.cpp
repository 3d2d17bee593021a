// windows.h comes before every other header of Windows.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cerrno>
#include <cwchar>

#include "ProgramEnvironment.h"
#include "WideText.h"

namespace quillane::cli {
namespace {

// Both paths' files opened for nothing but their identity (volume and file index).
bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION* info) {
  std::wstring wide;
  if (!Widen(path, &wide) || wide.empty()) return false;
  const HANDLE file =
      ::CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool known = ::GetFileInformationByHandle(file, info) != 0;
  ::CloseHandle(file);
  return known;
}

}  // namespace

std::vector<std::string> CommandLineArguments(int, char**) {
  // The narrow argv holds the names in the user's code page, where letters of other scripts
  // are lost: the wide command line has them all.
  std::vector<std::string> arguments;
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr) return arguments;
  for (int i = 1; i < count; ++i) {
    arguments.push_back(Narrow(wide[i], static_cast<int>(std::wcslen(wide[i]))));
  }
  ::LocalFree(wide);
  return arguments;
}

bool PrepareStandardStreams() {
  // Bytes go out as they are: no "\r\n" for "\n". On a console the text is UTF-8.
  ::SetConsoleOutputCP(CP_UTF8);
  bool out_closed = false;
  for (int fd = 0; fd <= 2; ++fd) {
    if (_setmode(fd, _O_BINARY) == -1) {
      if (fd == 1) out_closed = true;
      // A stream that is not there gets the null device, as nothing else may take its number.
      const int null = _open("NUL", fd == 0 ? _O_RDONLY : _O_WRONLY);
      if (null >= 0 && null != fd) {
        _dup2(null, fd);
        _close(null);
      }
      _setmode(fd, _O_BINARY);
    }
  }
  return out_closed;
}

bool OutputShowsColor() {
  // Only a console that takes ANSI escapes shows colour; older ones would print them.
  const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (out == INVALID_HANDLE_VALUE || out == nullptr || !::GetConsoleMode(out, &mode)) {
    return false;
  }
  if ((mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0) return true;
  return ::SetConsoleMode(out, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

bool SameFile(const std::string& a, const std::string& b) {
  BY_HANDLE_FILE_INFORMATION first{};
  BY_HANDLE_FILE_INFORMATION second{};
  return FileIdentity(a, &first) && FileIdentity(b, &second) &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

std::FILE* OpenForWriting(const std::string& path) {
  std::wstring wide;
  if (!Widen(path, &wide) || wide.empty()) {
    errno = ENOENT;
    return nullptr;
  }
  return ::_wfopen(wide.c_str(), L"wb");
}

bool IsRegularFile(std::FILE* file) {
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) == FILE_TYPE_DISK;
}

void RemoveFile(const std::string& path) {
  std::wstring wide;
  if (Widen(path, &wide) && !wide.empty()) ::_wremove(wide.c_str());
}

}  // namespace quillane::cli
