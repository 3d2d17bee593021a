#include "ArchiveMembers.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

#include "ArchiveNames.h"

namespace quillane::archive {
namespace {

constexpr std::size_t kReadBlock = 64 * 1024;

struct ArchiveCloser {
  void operator()(struct archive* a) const { archive_read_free(a); }
};
using ArchivePtr = std::unique_ptr<struct archive, ArchiveCloser>;

std::string ErrorOf(struct archive* a) {
  const char* text = archive_error_string(a);
  return text ? text : "damaged archive";
}

// Opens a regular file read-only without blocking on a FIFO, the type checked on the descriptor
// itself; -1 and the reason otherwise.
int OpenRegular(const std::string& path, std::string* reason) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    *reason = std::strerror(errno);
    return -1;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    *reason = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "not a regular file";
    ::close(fd);
    return -1;
  }
  return fd;
}

// An archive reader over the open file fd, which it closes when freed.
ArchivePtr OpenReader(int fd, bool raw, std::string* reason) {
  ArchivePtr a(archive_read_new());
  if (!a) {
    ::close(fd);
    *reason = std::strerror(ENOMEM);
    return nullptr;
  }
  archive_read_support_filter_all(a.get());
  if (raw) {
    archive_read_support_format_raw(a.get());
  } else {
    archive_read_support_format_all(a.get());
  }
  struct Source {
    int fd;
    std::array<char, kReadBlock> block;
  };
  // archive_read_open_fd does not take the descriptor over; the reader closes it through the
  // close callback of its own open.
  auto* source = new Source{fd, {}};
  const auto read = [](struct archive* ar, void* data, const void** buffer) -> la_ssize_t {
    auto* s = static_cast<Source*>(data);
    for (;;) {
      const ssize_t got = ::read(s->fd, s->block.data(), s->block.size());
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) archive_set_error(ar, errno, "%s", std::strerror(errno));
      *buffer = s->block.data();
      return got;
    }
  };
  const auto seek = [](struct archive*, void* data, la_int64_t offset, int whence) -> la_int64_t {
    return ::lseek(static_cast<Source*>(data)->fd, offset, whence);
  };
  const auto close = [](struct archive*, void* data) -> int {
    auto* s = static_cast<Source*>(data);
    ::close(s->fd);
    delete s;
    return ARCHIVE_OK;
  };
  archive_read_set_callback_data(a.get(), source);
  archive_read_set_read_callback(a.get(), read);
  archive_read_set_seek_callback(a.get(), seek);
  archive_read_set_close_callback(a.get(), close);
  if (archive_read_open1(a.get()) != ARCHIVE_OK) {
    *reason = ErrorOf(a.get());
    return nullptr;
  }
  return a;
}

// The entry's data, up to kMostImageBytes of it. False with the reason on a failed read.
bool ReadData(struct archive* a, std::vector<std::uint8_t>* bytes, std::string* reason) {
  bytes->resize(static_cast<std::size_t>(kMostImageBytes));
  std::size_t filled = 0;
  while (filled < bytes->size()) {
    const la_ssize_t got = archive_read_data(a, bytes->data() + filled, bytes->size() - filled);
    if (got < 0) {
      *reason = ErrorOf(a);
      bytes->clear();
      return false;
    }
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  bytes->resize(filled);
  return true;
}

// The stored name as bytes: UTF-8 where libarchive has it, else as stored.
std::string NameOf(struct archive_entry* entry) {
  const char* name = archive_entry_pathname_utf8(entry);
  if (!name) name = archive_entry_pathname(entry);
  return name ? name : "";
}

// Opens the archive and hands each entry's header to on_entry, in archive order, until the end
// (true), damage (false, with the reason) or on_entry asks to stop (true).
bool ForEachEntry(const std::string& path,
                  const std::function<bool(struct archive*, struct archive_entry*)>& on_entry,
                  std::string* reason) {
  const int fd = OpenRegular(path, reason);
  if (fd < 0) return false;
  const ArchivePtr a = OpenReader(fd, false, reason);
  if (!a) return false;
  for (;;) {
    struct archive_entry* entry = nullptr;
    const int status = archive_read_next_header(a.get(), &entry);
    if (status == ARCHIVE_EOF) return true;
    if (status != ARCHIVE_OK && status != ARCHIVE_WARN) {
      *reason = ErrorOf(a.get());
      return false;
    }
    if (!on_entry(a.get(), entry)) return true;
  }
}

// What a reader that says why through a string brings back.
Outcome OutcomeOf(bool ok, std::string reason) {
  return ok ? Outcome::Success() : Outcome::Failure(std::move(reason));
}

}  // namespace

Outcome ReadImageMembers(const std::string& path, const std::string* only,
                         const std::function<bool(Member&)>& visit) {
  Member member;
  std::string reason;
  const bool whole = ForEachEntry(
      path,
      [&](struct archive* a, struct archive_entry* entry) {
        if (archive_entry_filetype(entry) != AE_IFREG) return true;
        member.name = NameOf(entry);
        if (!IsImageName(member.name) || (only && member.name != *only)) return true;
        member.read = false;
        member.bytes.clear();
        member.reason = UnsafeNameReason(member.name);
        if (!member.reason.empty()) {
          // Never read, so nothing of it is used.
        } else if (archive_entry_is_encrypted(entry)) {
          member.reason = "encrypted member";
        } else {
          member.read = ReadData(a, &member.bytes, &member.reason);
        }
        const bool go_on = visit(member);
        member.bytes = {};  // the member's bytes are dropped at once
        return go_on && !only;
      },
      &reason);
  return OutcomeOf(whole, std::move(reason));
}

Outcome ImageMemberNames(const std::string& path, std::vector<std::string>* names) {
  std::string reason;
  const bool whole = ForEachEntry(
      path,
      [names](struct archive*, struct archive_entry* entry) {
        std::string name = NameOf(entry);
        if (archive_entry_filetype(entry) == AE_IFREG && IsImageName(name) &&
            UnsafeNameReason(name).empty()) {
          names->push_back(std::move(name));
        }
        return true;
      },
      &reason);
  return OutcomeOf(whole, std::move(reason));
}

Outcome ReadCompressedImage(const std::string& path, std::vector<std::uint8_t>* bytes) {
  std::string reason;
  const int fd = OpenRegular(path, &reason);
  if (fd < 0) return Outcome::Failure(std::move(reason));
  const ArchivePtr a = OpenReader(fd, true, &reason);
  if (!a) return Outcome::Failure(std::move(reason));
  struct archive_entry* entry = nullptr;
  if (archive_read_next_header(a.get(), &entry) != ARCHIVE_OK) {
    return Outcome::Failure(ErrorOf(a.get()));
  }
  if (archive_filter_code(a.get(), 0) != ARCHIVE_FILTER_GZIP) {
    return Outcome::Failure("not gzip-compressed");
  }
  const bool read = ReadData(a.get(), bytes, &reason);
  return OutcomeOf(read, std::move(reason));
}

}  // namespace quillane::archive
