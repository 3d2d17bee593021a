#include "ImageBuilder.h"

#ifdef _WIN32
#include <windows.h>

#include "WideText.h"
#else
#include <unistd.h>
#endif

#include <cstdlib>

namespace quillane::test {

// The four speed zones, written out here and not taken from the engine: the images are the
// tests' own statement of the disk format. {first track, sectors per track, offset}.
constexpr int kZones[4][3] = {
    {1, 21, 0x00000}, {18, 19, 0x16500}, {25, 18, 0x1EA00}, {31, 17, 0x25600}};

// Where each layout keeps the extended BAM of tracks 36-40 (0: none).
constexpr int kExtendedBamAt[] = {0, 0, 0xC0, 0xAC, 0x90};

static const int* ZoneOf(int track) {
  return kZones[(track >= 18) + (track >= 25) + (track >= 31)];
}

static std::int64_t Offset(int track, int sector) {  // tracks 1-40
  const int* zone = ZoneOf(track);
  if (track < 1 || track > 40 || sector < 0 || sector >= zone[1]) std::abort();
  return zone[2] + (zone[1] * (track - zone[0]) + sector) * 256;
}

#ifdef _WIN32
// In the user's temporary folder (under Wine: inside the prefix), a name made new.
TempFile::TempFile(const std::vector<std::uint8_t>& bytes, std::string_view suffix) {
  wchar_t folder[MAX_PATH + 1];
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH) std::abort();
  static unsigned counter = 0;
  for (int attempt = 0;; ++attempt) {
    if (attempt == 1000) std::abort();
    path_ = Narrow(folder, static_cast<int>(length)) + "quillane-" +
            std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++counter) +
            std::string(suffix);
    std::wstring wide;
    if (!Widen(path_, &wide)) std::abort();
    const HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    DWORD written = 0;
    const bool ok =
        bytes.empty() || (::WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
                          written == bytes.size());
    ::CloseHandle(file);
    if (!ok) std::abort();
    return;
  }
}

TempFile::~TempFile() {
  std::wstring wide;
  if (Widen(path_, &wide)) ::DeleteFileW(wide.c_str());
}
#else
TempFile::TempFile(const std::vector<std::uint8_t>& bytes, std::string_view suffix)
    : path_("/tmp/quillane-XXXXXX" + std::string(suffix)) {
  const int fd = ::mkstemps(path_.data(), static_cast<int>(suffix.size()));
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size())) std::abort();
  ::close(fd);
}

TempFile::~TempFile() {
  ::unlink(path_.c_str());
}
#endif

ImageBuilder ImageBuilder::Blank35() {
  ImageBuilder b(174848);
  b.Set(kBam, {18, 1, 0x41, 0x00}).DiskName("").Set(kBam + 0xA0, std::string(11, '\xA0'));
  for (int t = 1; t <= 35; ++t) {  // on track 18 the BAM and the first directory sector are used
    const int sectors = ZoneOf(t)[1];
    b.Set(kBam + 4 * t,
          {sectors - (t == 18 ? 2 : 0), t == 18 ? 0xFC : 0xFF, 0xFF, (1 << (sectors - 16)) - 1});
  }
  return b.Set(kBam + 0xA2, "01").Set(kBam + 0xA5, "2A").Link(18, 1, 0, 0xFF);
}

ImageBuilder ImageBuilder::Blank40(GeometryMode layout) {
  ImageBuilder b = Blank35().Size(196608);
  const int at = kExtendedBamAt[ModeNumber(layout)];
  // PrologicDOS moves the name block up by 0x14: name 0xA4-0xB3, ID 0xB6-0xB7, DOS type 0xB9-0xBA.
  if (layout == GeometryMode::PrologicDOS)
    b.Set(kBam + 0xA0, std::string(0x20, '\xA0')).Set(kBam + 0xB6, "01").Set(kBam + 0xB9, "2P");
  for (int k = 0; k < 5 && at != 0; ++k) b.Set(kBam + at + 4 * k, {17, 0xFF, 0xFF, 0x01});
  return b;
}

ImageBuilder& ImageBuilder::Set(std::int64_t offset, std::initializer_list<int> bytes) {
  for (int v : bytes) bytes_.at(static_cast<std::size_t>(offset++)) = static_cast<std::uint8_t>(v);
  return *this;
}

ImageBuilder& ImageBuilder::Set(std::int64_t offset, std::string_view bytes) {
  for (char c : bytes) Set(offset++, {static_cast<std::uint8_t>(c)});
  return *this;
}

ImageBuilder& ImageBuilder::DiskName(std::string_view name) {
  return Set(kBam + 0x90, std::string(16, '\xA0')).Set(kBam + 0x90, name.substr(0, 16));
}

ImageBuilder& ImageBuilder::Link(int track, int sector, int next_track, int next_sector) {
  return Set(Offset(track, sector), {next_track, next_sector});
}

ImageBuilder& ImageBuilder::SetEntry(int track, int sector, int k, const Entry& entry) {
  const std::int64_t e = Offset(track, sector) + 32 * k;
  Set(e + 2, {entry.type, 17, 0}).Set(e + 5, std::string(16, '\xA0'));
  Set(e + 5, std::string_view(entry.name).substr(0, 16)).Set(e + 0x18, {entry.geos_type});
  return Set(e + 0x1E, {entry.blocks & 0xFF, (entry.blocks >> 8) & 0xFF});
}

}  // namespace quillane::test
